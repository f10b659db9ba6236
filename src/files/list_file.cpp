#include "files/list_file.hpp"

#include "core/list_text.hpp"
#include "files/list_encoding.hpp"
#include "files/u16_text.hpp"

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvin {

namespace {

constexpr auto stateless = QStringConverter::Flag::Stateless;

// The bytes as text, in the encoding they tell or, failing that, the likely one (Windows-31J
// unless they show another Japanese encoding). Where
// the decoder is stateless, an incomplete character at the end shows as U+FFFD.
QString decode_list_bytes(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringConverter::Utf8, stateless).decode(bytes.sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE, stateless).decode(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE, stateless).decode(bytes.sliced(2));

    // An HTML page that declares its charset; without one Qt answers UTF-8, which the
    // validity test below then settles. A declaration readable as ASCII cannot stand in
    // UTF-16 or UTF-32, so those are passed over, as browsers do. Some of ICU's
    // converters have no name in Qt.
    QStringDecoder html = QStringDecoder::decoderForHtml(bytes);
    const QByteArray html_name = QByteArray(html.name()).toUpper().replace('-', "");
    if (html.isValid() && html_name != "UTF8" && !html_name.startsWith("UTF16") &&
        !html_name.startsWith("UTF32"))
        return html.decode(bytes);

    // Encodings whose bytes would also pass for UTF-8: ISO-2022-JP, UTF-16 without a mark.
    const std::string_view byte_view(bytes.data(), static_cast<std::size_t>(bytes.size()));
    if (const char* shown = encoding_shown_by_bytes(byte_view))
        return QStringDecoder(shown, stateless).decode(bytes);

    QStringDecoder utf8(QStringConverter::Utf8, stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Valid but for one character cut off at the end: still UTF-8.
    QStringDecoder utf8_stream(QStringConverter::Utf8);
    const QString decoded_as_stream = utf8_stream.decode(bytes); // decoding happens on conversion
    if (!utf8_stream.hasError())
        return text;

    QStringDecoder likely(likely_japanese_encoding(byte_view), stateless);
    if (likely.isValid())
        return likely.decode(bytes);
    return text;
}

list_file_read unreadable_file(int error) {
    return {list_file_read::unreadable, QString(), qt_error_string(error)};
}

} // namespace

list_file_read list_text_from_bytes(QByteArrayView bytes) {
    const QString decoded = decode_list_bytes(bytes);
    std::u16string text = to_crlf(u16_view(decoded));
    if (!text.empty() && !text.ends_with(crlf))
        text.append(crlf);
    if (!fits_list_limit(text.size()))
        return {list_file_read::too_long, QString(), QString()};
    return {list_file_read::loaded, qstring_from_u16(text), QString()};
}

list_file_read read_list_file(const QString& path) {
    // Opened without waiting, so that a FIFO or a device never blocks; only a regular
    // file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return unreadable_file(errno);
    struct stat st {};
    const int error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return unreadable_file(error);
    }
    list_file_read file = read_list_from(fd);
    ::close(fd);
    return file;
}

list_file_read read_list_from(int fd) {
    // One byte past the limit tells a text that is too long, whatever a size claims.
    QByteArray bytes(static_cast<qsizetype>(list_file_byte_limit + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable_file(errno);
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > static_cast<qsizetype>(list_file_byte_limit))
        return {list_file_read::too_long, QString(), QString()};
    return list_text_from_bytes(QByteArrayView(bytes.constData(), filled));
}

} // namespace tolvin
