// Reading a list file into a list text and writing a list text to a file, for the
// windows: names and texts as Qt holds them, the reasons for a failure in its words.
#pragma once

#include "files/list_reading.hpp"

#include <QByteArrayView>
#include <QString>

namespace tolvin {

struct list_file_read {
    using status_type = list_reading::status_type;
    static constexpr status_type loaded = list_reading::loaded;
    static constexpr status_type too_long = list_reading::too_long;
    static constexpr status_type unreadable = list_reading::unreadable;
    status_type status = unreadable;
    QString text;
    QString reason; // the system's reason when unreadable
};

// The list text a file's bytes make, as list_text_of_bytes reads them.
list_file_read list_text_from_bytes(QByteArrayView bytes);

// Reads a regular file as read_list_path does.
list_file_read read_list_file(const QString& path);

// Writes `text` as it is, in UTF-8 without a byte-order mark. An existing file is
// replaced only once all of it is written, so a failure leaves it as it was; where the
// folder takes no new file, where the new file could not get the old one's owner, and
// for a file of several hard links, the file is written in place instead, after its
// space is taken. Mode and owner stay, a symbolic link stays a link to the written
// file. Only a regular file or a new name is written. Returns the reason for a
// failure, or an empty text.
QString write_list_file(const QString& path, const QString& text);

} // namespace tolvin
