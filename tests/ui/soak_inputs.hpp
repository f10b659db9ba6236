// What the soak test feeds the main window: random texts from pieces that reach the
// corners of the list text (line breaks of every kind, characters the text box turns
// into breaks, surrogates, wide forms, templates), and list files of every kind.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

class soak_random {
  public:
    explicit soak_random(std::uint64_t seed) : rng_(seed) {}

    // 0 … n − 1.
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, std::size_t N> const T& one_of(const T (&items)[N]) {
        return items[below(static_cast<int>(N))];
    }

    QString text(int max_pieces) {
        static const QString pieces[] = {
            QStringLiteral("a"),          QStringLiteral("Zq"),       QStringLiteral("0"),
            QStringLiteral("108"),        QStringLiteral(" "),        QStringLiteral("\t"),
            QStringLiteral("\r"),         QStringLiteral("\n"),       QStringLiteral("\r\n"),
            QStringLiteral("\n\r"),       QStringLiteral("http://"),  QStringLiteral("www.example.com/"),
            QStringLiteral("jpg"),        QStringLiteral(".jpg"),     QStringLiteral("["),
            QStringLiteral("]"),          QStringLiteral("-"),        QStringLiteral("+"),
            QStringLiteral("あ"),         QStringLiteral("漢字"),     QStringLiteral("ｶﾅ"),
            QStringLiteral("　"),         QStringLiteral("ＡＢＣ"),   QStringLiteral("\""),
            QStringLiteral("'"),          QStringLiteral("<a href="), QString(QChar(0x2028)),
            QString(QChar(0x2029)),       QString(QChar(0xFDD0)),     QString(QChar(0xFFFE)),
            QString(QChar(0xD800)),       QString(QChar(0xDC00)),     QString(QChar(0)),
            QStringLiteral("\U0001F600"), QStringLiteral("\x7f"),     QStringLiteral("%20"),
        };
        QString s;
        for (int n = below(max_pieces + 1); n > 0; --n)
            s += one_of(pieces);
        return s;
    }

    // A number as the rows read it: plain, padded, signed, huge, or not a number.
    QString number() {
        static const QString odd[] = {QStringLiteral(""),     QStringLiteral("-5"),
                                      QStringLiteral("abc"),  QStringLiteral("99999999999"),
                                      QStringLiteral("１２"), QStringLiteral(" 1.5")};
        if (chance(20))
            return one_of(odd);
        const int digits = 1 + below(chance(10) ? 6 : 3);
        return QStringLiteral("%1").arg(below(chance(10) ? 100000 : 30), digits, 10, QLatin1Char('0'));
    }

    // A URL range template; a wide range makes a result past the list limit.
    QString url_template() {
        const QString range = chance(15) ? QStringLiteral("0-99999") : number() + QLatin1Char('-') + number();
        QString t = QStringLiteral("http://www.example.com/d/p[") + range + QStringLiteral("].jpg");
        if (chance(30))
            t += QStringLiteral("+top.jpg");
        return t;
    }

    // A text of `length` characters.
    QString text_of_length(qsizetype length) {
        QString unit = text(30);
        if (unit.isEmpty())
            unit = QStringLiteral("x");
        QString s;
        s.reserve(length + unit.size());
        while (s.size() < length)
            s += unit;
        s.truncate(length);
        return s;
    }

    QByteArray bytes(int max_length) {
        QByteArray b(below(max_length + 1), '\0');
        for (char& c : b)
            c = static_cast<char>(below(256));
        return b;
    }

    // Writes a list file of a random kind to `path` and says what it holds.
    std::string write_file(const QString& path) {
        QByteArray b;
        std::string kind;
        switch (below(9)) {
        case 0:
            kind = "random bytes";
            b = bytes(4000);
            break;
        case 1:
            kind = "utf-8 with bom";
            b = "\xef\xbb\xbf" + text(200).toUtf8();
            break;
        case 2: {
            kind = "utf-16le";
            const QString t = text(200);
            b = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(t.utf16()), t.size() * 2);
            if (chance(30))
                b.chop(1); // an odd byte at the end
            break;
        }
        case 3:
            kind = "windows-31j";
            b = "\x82\xa0\x8a\xbf\x8e\x9a\r\nhttp://a/[1-3].jpg\n\x83\x4a\x83";
            break;
        case 4:
            kind = "html euc-jp";
            b = "<meta charset=\"euc-jp\"><a href=\"x.jpg\">\xa4\xa2\xb4\xc1</a>\r";
            break;
        case 5:
            kind = "too long";
            b = QByteArray(65536 + below(140000), chance(50) ? 'x' : '\n');
            break;
        case 6:
            kind = "at the limit";
            b = QByteArray(65533 + below(4), 'y');
            break;
        case 7:
            kind = "lone breaks";
            b = text(300).toUtf8().replace("\r\n", "\r");
            break;
        default:
            kind = "empty";
            break;
        }
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(b);
        return kind + " (" + std::to_string(b.size()) + " bytes)";
    }

  private:
    std::mt19937_64 rng_;
};

// A text for the action log: control characters and anything past ASCII as \uXXXX,
// cut after `max` characters.
inline std::string printable(const QString& s, qsizetype max = 40) {
    std::string out;
    for (qsizetype i = 0; i < s.size() && i < max; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned>(c));
            out += hex;
        }
    }
    if (s.size() > max)
        out += "… (" + std::to_string(s.size()) + " chars)";
    return out;
}
