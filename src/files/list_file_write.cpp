// Writing a list text to a file: replaced whole where the folder allows it, else
// written in place, keeping the file's mode, owner, links and symbolic links.
#include "files/list_file.hpp"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvin {

namespace {

QString system_reason(int error) {
    return qt_error_string(error);
}

// Writes the bytes over an existing regular file through the descriptor. Space for
// a longer text is taken first, so that a full disk is found before a byte of the
// old list is overwritten; only a failure after that leaves the file damaged.
QString write_over(int fd, const QByteArray& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return system_reason(errno);
    if (!S_ISREG(st.st_mode))
        return system_reason(EINVAL);
    if (bytes.size() > st.st_size) {
        const int error = ::posix_fallocate(fd, 0, bytes.size());
        // A file system that cannot reserve space is written without it.
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            struct stat after {};
            if (::fstat(fd, &after) == 0 && after.st_size != st.st_size)
                (void)::ftruncate(fd, st.st_size);
            return system_reason(error);
        }
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.constData() + done,
                                     static_cast<std::size_t>(bytes.size() - done), static_cast<off_t>(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return system_reason(put < 0 ? errno : EIO);
        done += put;
    }
    if (::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0)
        return system_reason(errno);
    return QString();
}

// The existing file itself, opened without truncating it: every hard link and the
// target of a symbolic link see the new list.
QString write_in_place(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return system_reason(errno);
    QString reason = write_over(fd, bytes);
    if (::close(fd) != 0 && reason.isEmpty())
        reason = system_reason(errno);
    return reason;
}

enum class replace_result { written, failed, not_replaceable };

// Writes a new file beside the old one and renames it over it. A folder that takes no
// new file, or an owner the new file cannot be given, makes the file not replaceable.
replace_result replace_whole(const QString& path, const QByteArray& bytes, const struct stat* old,
                             QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return old != nullptr ? replace_result::not_replaceable : replace_result::failed;
    }
    if (old != nullptr) {
        // Owner first: a change of owner clears the set-user and set-group bits.
        if (::fchown(file.handle(), old->st_uid, old->st_gid) != 0 ||
            ::fchmod(file.handle(), old->st_mode & 07777) != 0) {
            file.cancelWriting();
            return replace_result::not_replaceable;
        }
    }
    // The written bytes are flushed here, so that an error doing so is not passed over.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        reason = file.errorString();
        file.cancelWriting();
        return replace_result::failed;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return replace_result::failed;
    }
    return replace_result::written;
}

} // namespace

QString write_list_file(const QString& path, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    // What the name leads to, through any symbolic links.
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return system_reason(EISDIR);
    // A device, pipe or socket is never replaced by a file, nor written to.
    if (exists && !S_ISREG(st.st_mode))
        return QStringLiteral("通常のファイルではありません");
    // A file of several names is one file: a new one would take only this name.
    if (exists && st.st_nlink > 1)
        return write_in_place(path, bytes);

    QString reason;
    switch (replace_whole(path, bytes, exists ? &st : nullptr, reason)) {
    case replace_result::written:
        return QString();
    case replace_result::failed:
        return reason;
    case replace_result::not_replaceable:
        break;
    }
    return write_in_place(path, bytes);
}

} // namespace tolvin
