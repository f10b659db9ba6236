#include "files/list_reading.hpp"

#include "core/list_text.hpp"
#include "files/icu_library.hpp"
#include "files/list_encoding.hpp"
#include "files/text_encodings.hpp"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvin {

namespace {

// The bytes in an encoding list_encoding.hpp names: UTF-16 is decoded here, the
// Japanese encodings by ICU.
bool decode_in(std::string_view bytes, const char* encoding, icu_library& icu, std::u16string& text) {
    const std::string_view name(encoding);
    if (name == "UTF-16LE" || name == "UTF-16BE") {
        text = decode_utf16(bytes, name == "UTF-16BE");
        return true;
    }
    return decode_with_icu(bytes, encoding, icu, text);
}

// The bytes as text, in the encoding they tell or, failing that, the likely one
// (Windows-31J unless they show another Japanese encoding).
std::u16string decode_list_bytes(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        std::u16string text = decode_utf8(bytes.substr(3)).text;
        if (bytes.substr(3).starts_with("\xEF\xBB\xBF")) // a second mark is taken for one too
            text.erase(0, 1);
        return text;
    }
    if (bytes.starts_with("\xFF\xFE"))
        return decode_utf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return decode_utf16(bytes.substr(2), true);

    icu_library icu; // loaded only if the bytes need it
    std::u16string text;
    // UTF-32's byte-order mark leaves no room for an ASCII declaration.
    const bool utf32 = bytes.size() > 3 && bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4));
    if (!utf32 && decode_as_html_declares(bytes, icu, text))
        return text;
    // Encodings whose bytes would also pass for UTF-8: ISO-2022-JP, UTF-16 without a mark.
    if (const char* shown = encoding_shown_by_bytes(bytes, icu); shown && decode_in(bytes, shown, icu, text))
        return text;
    decoded_text utf8 = decode_utf8(bytes);
    // Valid but for one character cut off at the end: still UTF-8.
    if (utf8.valid || utf8.cut_at_end)
        return std::move(utf8.text);
    if (decode_in(bytes, likely_japanese_encoding(bytes, icu), icu, text))
        return text;
    return std::move(utf8.text);
}

list_reading unreadable_file(int error) {
    return {list_reading::unreadable, std::u16string(), error};
}

} // namespace

list_reading list_text_of_bytes(std::string_view bytes) {
    std::u16string text = to_crlf(decode_list_bytes(bytes));
    if (!text.empty() && !text.ends_with(crlf))
        text.append(crlf);
    if (!fits_list_limit(text.size()))
        return {list_reading::too_long, std::u16string(), 0};
    return {list_reading::loaded, std::move(text), 0};
}

list_reading read_list_path(const char* path) {
    // Opened without waiting, so that a FIFO or a device never blocks; only a regular
    // file is read.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return unreadable_file(errno);
    struct stat st {};
    const int error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return unreadable_file(error);
    }
    list_reading file = read_list_descriptor(fd);
    ::close(fd);
    return file;
}

list_reading read_list_descriptor(int fd) {
    // One byte past the limit tells a text that is too long, whatever a size claims.
    const std::size_t capacity = list_file_byte_limit + 1;
    const std::unique_ptr<char[]> bytes(new char[capacity]);
    std::size_t filled = 0;
    while (filled < capacity) {
        const ssize_t got = ::read(fd, bytes.get() + filled, capacity - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable_file(errno);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > list_file_byte_limit)
        return {list_reading::too_long, std::u16string(), 0};
    return list_text_of_bytes(std::string_view(bytes.get(), filled));
}

} // namespace tolvin
