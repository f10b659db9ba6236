#include "files/list_file.hpp"

#include "files/u16_text.hpp"

#include <QFile>
#include <string_view>

namespace tolvin {

namespace {

list_file_read as_file_read(const list_reading& read) {
    return {read.status, qstring_from_u16(read.text),
            read.status == list_reading::unreadable ? qt_error_string(read.error) : QString()};
}

} // namespace

list_file_read list_text_from_bytes(QByteArrayView bytes) {
    return as_file_read(
        list_text_of_bytes(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size()))));
}

list_file_read read_list_file(const QString& path) {
    return as_file_read(read_list_path(QFile::encodeName(path).constData()));
}

} // namespace tolvin
