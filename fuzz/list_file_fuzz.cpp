// Fuzzes reading a list file from its bytes: whatever the bytes, the result is a list
// text under the limit, or too long; plain ASCII reads line for line.
#include "files/list_file.hpp"

#include "fuzz_text.hpp"

#include <QByteArray>
#include <QString>
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

// ASCII that declares no charset reads as itself.
bool is_plain_ascii(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] >= 0x80)
            return false;
    }
    const QByteArray lower =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).toLower();
    return !lower.contains("meta");
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
    return 0;
}
