// Reading a list file into a list text: the rules both the windows and the command line
// read lists by, in plain C++.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvin {

// The most bytes a file may have and still make a list text under the list limit: a
// byte-order mark and three bytes for each character. UTF-8 and EUC-JP need that many
// for one UTF-16 code unit, Windows-31J and UTF-16 fewer; a page in a rarer encoding
// that needs more (ISO-2022-JP full of escapes, GB18030) is refused as too long.
inline constexpr std::size_t list_file_byte_limit = 3 + 3 * 65535;

struct list_reading {
    enum status_type {
        loaded,     // `text` holds the whole file
        too_long,   // the file makes a text past the list limit; `text` is empty
        unreadable, // missing, not a regular file, or reading failed; `text` is empty
    };
    status_type status = unreadable;
    std::u16string text;
    int error = 0; // the system's error number when unreadable
};

// The list text a file's bytes make: every line, the last one included, followed by
// CR LF. A line ends at CR LF, a lone CR or a lone LF. The encoding is told by a
// byte-order mark (UTF-8, UTF-16), else by a charset declared in HTML, else by the bytes
// themselves: ISO-2022-JP's escape sequences and UTF-16's zero bytes, then valid UTF-8,
// then the likeliest of Windows-31J, EUC-JP and UTF-16 (list_encoding.hpp). A text of
// 65,536 characters or more is too long.
list_reading list_text_of_bytes(std::string_view bytes);

// Reads a regular file into a list text, taking at most list_file_byte_limit + 1 bytes
// from it: a longer file is too long whatever it holds. Never blocks on a FIFO or device.
list_reading read_list_path(const char* path);

// Reads a list text from an open descriptor as read_list_path does, but from whatever
// it is (a pipe, a terminal, a device), waiting for its data as long as that takes.
// The descriptor stays open.
list_reading read_list_descriptor(int fd);

} // namespace tolvin
