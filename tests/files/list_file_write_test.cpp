// Writing over files as a desktop has them: other owners, links, folders that take no
// new file, and the failures that must still be reported.
#include "files/list_file.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvin;

namespace {

const QString new_list = QStringLiteral("新しい\r\nlist\r\n");

// Writes in a child process, as user nobody when asked and the tests run as root.
bool write_succeeds(const QString& path, bool ordinary_user, rlim_t size_limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = size_limit;
        if (size_limit != 0 && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(2);
        if (ordinary_user && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        ::_exit(write_list_file(path, new_list).isEmpty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) < 2) << path.toStdString();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string state(const QString& path, bool follow) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    (void)(follow ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st));
    return std::to_string(st.st_mode) + ' ' + std::to_string(st.st_uid) + ' ' + std::to_string(st.st_gid);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

TEST(list_file_write, reaches_every_name_keeps_mode_and_owner_and_reports_each_failure) {
    // Each row starts from a folder holding the list file f; the name g, where the
    // setup makes it, must show what f was written with.
    const struct {
        const char* what;
        const char* setup; // shell commands in the folder; a failure skips the row
        bool ordinary_user;
        rlim_t size_limit;
        bool written;
    } rows[] = {
        {"another owner's file", "chmod 640 f && chown 65534:65534 f", false, 0, true},
        {"hard link", "ln f g", false, 0, true},
        {"symbolic link", "mv f g && ln -s g f", false, 0, true},
        {"writable file in a read-only folder", "chmod 666 f && chmod 555 .", true, 0, true},
        {"writable file in an immutable folder", "chattr +i .", false, 0, true},
        {"root's file, writable by all, in a folder open to all", "chmod 666 f && chmod 777 . && chown 0:0 f",
         true, 0, true},
        {"read-only file", "chmod 444 f", true, 0, false},
        {"device", "rm f && mknod f c 1 7", false, 0, false},
        {"named pipe", "rm f && mkfifo f", false, 0, false},
        // Found before a byte of the old list is overwritten.
        {"full disk, file written in place", "printf old > f && ln f g", false, 8, false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ExeGroup | QFile::ExeOther));
    int n = 0;
    for (const auto& row : rows) {
        const QString folder = dir.filePath(QString::number(n++));
        const QString f = folder + QStringLiteral("/f");
        QDir().mkdir(folder);
        const std::string setup = "cd '" + folder.toStdString() +
                                  "' && printf 'old list, longer than the new one' > f && " + row.setup;
        if (std::system((setup + " 2>/dev/null").c_str()) != 0) {
            std::printf("[  SKIPPED ] %s: the setup needs rights or tools not here\n", row.what);
            continue;
        }
        const QString shown =
            QFileInfo::exists(folder + QStringLiteral("/g")) ? folder + QStringLiteral("/g") : f;
        const QStringList entries =
            QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        const std::string before = state(shown, true);
        const std::string link_before = state(f, false);
        const QByteArray old = contents(shown);

        EXPECT_EQ(write_succeeds(f, row.ordinary_user, row.size_limit), row.written) << row.what;
        EXPECT_EQ(contents(shown), row.written ? new_list.toUtf8() : old) << row.what;
        EXPECT_EQ(state(shown, true), before) << row.what;
        EXPECT_EQ(state(f, false), link_before) << row.what;
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), entries)
            << row.what;
    }
    const std::string quoted = "'" + dir.path().toStdString() + "'";
    [[maybe_unused]] const int cleaned =
        std::system(("chattr -R -i " + quoted + " 2>/dev/null; chmod -R u+w " + quoted).c_str());
}

} // namespace
