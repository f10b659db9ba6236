// Fuzzes reading a list file from its bytes: whatever the bytes, the result is a list
// text under the limit, or too long; plain ASCII reads line for line; Windows-31J text
// made from the bytes, which starts with a hiragana, reads as Windows-31J whatever
// else it holds.
#include "files/list_file.hpp"

#include "fuzz_text.hpp"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
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
