// Fuzzes reading a list file from its bytes: UTF-8 and UTF-16 decode as Qt decodes
// them; whatever the bytes, the result is a list text under the limit, or too long;
// plain ASCII reads line for line; Windows-31J text
// made from the bytes, which starts with a hiragana, reads as Windows-31J whatever
// else it holds.
#include "files/list_file.hpp"
#include "files/text_encodings.hpp"

#include "fuzz_text.hpp"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using tolvin::list_file_read;
using tolvin::fuzz::require;

// Every line of ASCII bytes followed by CR LF; a line ends at CR LF, CR or LF.
std::u16string ascii_lines(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    bool open_line = false;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\r' || data[i] == '\n') {
            if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
                ++i;
            text.append(u"\r\n");
            open_line = false;
        } else {
            text.push_back(static_cast<char16_t>(data[i]));
            open_line = true;
        }
    }
    if (open_line)
        text.append(u"\r\n");
    return text;
}

// ASCII that declares no charset, switches to no other character set and holds no NUL
// (which UTF-16 leaves) reads as itself.
bool is_plain_ascii(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] >= 0x80 || data[i] == 0 || data[i] == 0x1b)
            return false;
    }
    const QByteArray lower =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).toLower();
    return !lower.contains("meta");
}

// Windows-31J bytes made from the input: あ, then for each input byte a printable ASCII
// character, a line break, a hiragana, a half-width katakana or a kanji of the first level.
// A hiragana's lead byte is no UTF-8 or EUC-JP, so nothing else can be read from them.
QByteArray windows_31j_text(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes("\x82\xa0");
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 0x5f) {
            bytes.append(static_cast<char>(0x20 + b));
        } else if (b < 0x62) {
            bytes.append(b == 0x5f ? "\r\n" : b == 0x60 ? "\n" : "\r");
        } else if (b < 0x90) {
            bytes.append('\x82').append(static_cast<char>(0x9f + (b - 0x62)));
        } else if (b < 0xc0) {
            bytes.append(static_cast<char>(0xa1 + (b - 0x90)));
        } else {
            const std::uint8_t trail = i + 1 < size ? data[++i] % 188 : 0;
            bytes.append(static_cast<char>(0x89 + (b - 0xc0) % 15))
                .append(static_cast<char>(trail < 63 ? 0x40 + trail : 0x80 + (trail - 63)));
        }
    }
    return bytes;
}

QString as_qstring(const std::u16string& text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// The decoders of the list reading and the command line give what Qt's decoders give
// for the same bytes, replacement characters included; text written out as UTF-8 as Qt
// writes it.
void require_qt_decoding(QByteArrayView bytes) {
    const std::string_view view(bytes.data(), static_cast<std::size_t>(bytes.size()));
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QStringDecoder utf8_stream(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const tolvin::decoded_text decoded = tolvin::decode_utf8(view);
    require(as_qstring(decoded.text) == utf8.decode(bytes));
    require(decoded.valid == !utf8.hasError());
    const QString as_stream = utf8_stream.decode(bytes);
    require((decoded.valid || decoded.cut_at_end) == !utf8_stream.hasError());
    for (const bool big : {false, true}) {
        QStringDecoder utf16(big ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                             QStringConverter::Flag::Stateless);
        require(as_qstring(tolvin::decode_utf16(view, big)) == utf16.decode(bytes));
    }
    std::u16string units(view.size() / 2, u'\0');
    std::memcpy(units.data(), view.data(), 2 * units.size());
    const QByteArray qt_utf8 = QStringView(units.data(), static_cast<qsizetype>(units.size())).toUtf8();
    require(tolvin::utf8_of(units) ==
            std::string_view(qt_utf8.data(), static_cast<std::size_t>(qt_utf8.size())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    require_qt_decoding(bytes.first(std::min<qsizetype>(bytes.size(), 4096)));
    const list_file_read read = tolvin::list_text_from_bytes(bytes);
    require(read.status != list_file_read::unreadable);
    if (read.status == list_file_read::too_long) {
        require(read.text.isEmpty());
        return 0;
    }
    const QString& text = read.text;
    require(text.size() < 65536);
    // Only CR LF breaks lines, and a text that is not empty ends with one.
    for (qsizetype i = 0; i < text.size(); ++i) {
        require(text[i] != u'\u2029');
        if (text[i] == u'\r') {
            require(i + 1 < text.size() && text[i + 1] == u'\n');
            ++i;
        } else {
            require(text[i] != u'\n');
        }
    }
    require(text.isEmpty() || text.endsWith(QStringLiteral("\r\n")));
    if (is_plain_ascii(data, size)) {
        require(text.toStdU16String() == ascii_lines(data, size));
    }

    const QByteArray windows_31j = windows_31j_text(data, size);
    if (windows_31j.toLower().contains("meta"))
        return 0; // an HTML page may declare another charset
    const QString expected = QStringDecoder("windows-31j").decode(windows_31j);
    const list_file_read as_utf8 = tolvin::list_text_from_bytes("\xef\xbb\xbf" + expected.toUtf8());
    const list_file_read read_31j = tolvin::list_text_from_bytes(windows_31j);
    require(read_31j.status == as_utf8.status && read_31j.text == as_utf8.text);
    return 0;
}
