// Writing over files as a desktop has them: other owners, links, folders that take no
// new file, and the failures that must still be reported.
#include "files/list_file.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvin;

namespace {

const QString new_list = QStringLiteral("新しい\r\nlist\r\n");
constexpr uid_t nobody = 65534;

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

void put(const QString& file, mode_t mode, const char* bytes = "old list, longer than the new one") {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), mode), 0);
}

int run(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str());
}

// Writes as an ordinary user: when the tests run as root, in a child that gives up
// root's rights first. Returns the failure's reason, or "-" when nothing was written.
std::string write_as(bool ordinary_user, const QString& path) {
    if (!ordinary_user || ::geteuid() != 0)
        return write_list_file(path, new_list).toStdString();
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0)
        return "-";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_fds[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(1);
        const QByteArray reason = write_list_file(path, new_list).toUtf8();
        const bool sent = ::write(pipe_fds[1], reason.constData(), reason.size()) == reason.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipe_fds[1]);
    std::string reason;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, static_cast<std::size_t>(got));
    ::close(pipe_fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? reason : "-";
}

struct write_row {
    const char* what;
    bool ordinary_user; // written by a user without root's rights
    // Makes the files in `folder`; returns the name to write and the name that must
    // show the outcome, or an empty name to skip the row with the reason in `skip`.
    std::function<std::pair<QString, QString>(const QString& folder, std::string& skip)> setup;
};

class list_file_write : public ::testing::Test {
  protected:
    void SetUp() override {
        // Open to the ordinary user that some rows write as.
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    }
    void TearDown() override {
        const std::string quoted = "'" + dir.path().toStdString() + "'";
        run("chattr -R -i " + quoted + "; chmod -R u+w " + quoted);
    }
    QString folder(const char* name) const {
        QDir(dir.path()).mkdir(QString::fromUtf8(name));
        return dir.filePath(QString::fromUtf8(name));
    }
    QTemporaryDir dir;
};

struct file_state {
    mode_t type_and_mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    bool operator==(const file_state&) const = default;
};

file_state state_of(const QString& path, bool follow) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if ((follow ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) != 0)
        return {};
    return {st.st_mode, st.st_uid, st.st_gid};
}

TEST_F(list_file_write, the_new_list_reaches_every_name_and_the_file_keeps_mode_and_owner) {
    const bool root = ::geteuid() == 0;
    const write_row rows[] = {
        {"another owner's file, mode 0640", false,
         [&](const QString& f, std::string&) {
             put(f + "/list.txt", 0640);
             if (root)
                 (void)::chown(QFile::encodeName(f + "/list.txt").constData(), nobody, nobody);
             return std::pair{f + "/list.txt", f + "/list.txt"};
         }},
        {"hard link", false,
         [](const QString& f, std::string&) {
             put(f + "/a.txt", 0644);
             (void)::link(QFile::encodeName(f + "/a.txt").constData(),
                          QFile::encodeName(f + "/b.txt").constData());
             return std::pair{f + "/a.txt", f + "/b.txt"};
         }},
        {"symbolic link", false,
         [](const QString& f, std::string&) {
             put(f + "/target.txt", 0600);
             (void)::symlink("target.txt", QFile::encodeName(f + "/link.txt").constData());
             return std::pair{f + "/link.txt", f + "/target.txt"};
         }},
        {"writable file in a read-only folder", true,
         [](const QString& f, std::string&) {
             put(f + "/mine.txt", 0666);
             (void)::chmod(QFile::encodeName(f).constData(), 0555);
             return std::pair{f + "/mine.txt", f + "/mine.txt"};
         }},
        {"writable file in an immutable folder", false,
         [](const QString& f, std::string& skip) {
             put(f + "/mine.txt", 0644);
             if (run("chattr +i '" + f.toStdString() + "'") != 0) {
                 skip = "chattr +i is not available here";
                 return std::pair{QString(), QString()};
             }
             return std::pair{f + "/mine.txt", f + "/mine.txt"};
         }},
        {"root's file, writable by all, in a folder open to all", true,
         [&](const QString& f, std::string& skip) {
             if (!root) {
                 skip = "needs root to make another owner's file";
                 return std::pair{QString(), QString()};
             }
             put(f + "/shared.txt", 0666);
             (void)::chmod(QFile::encodeName(f).constData(), 0777);
             return std::pair{f + "/shared.txt", f + "/shared.txt"};
         }},
    };
    int n = 0;
    for (const write_row& row : rows) {
        const QString f = folder(std::to_string(n++).c_str());
        std::string skip;
        const auto [written, shown] = row.setup(f, skip);
        if (written.isEmpty()) {
            std::printf("[  SKIPPED ] %s: %s\n", row.what, skip.c_str());
            continue;
        }
        const QStringList entries = QDir(f).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        const file_state before = state_of(shown, true);
        const file_state link_before = state_of(written, false);

        EXPECT_EQ(write_as(row.ordinary_user, written), "") << row.what;
        EXPECT_EQ(contents(shown), new_list.toUtf8()) << row.what;
        EXPECT_EQ(state_of(shown, true), before) << row.what;
        EXPECT_EQ(state_of(written, false), link_before) << row.what;
        EXPECT_EQ(QDir(f).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), entries)
            << row.what;
    }
}

TEST_F(list_file_write, a_failure_is_reported_and_the_old_file_stays) {
    const write_row rows[] = {
        {"read-only file", true,
         [](const QString& f, std::string&) {
             put(f + "/read-only.txt", 0444);
             return std::pair{f + "/read-only.txt", f + "/read-only.txt"};
         }},
        // Neither replaced by a file nor written to, nor waited on.
        // A device node of its own where the tests may make one, so that a fault cannot
        // replace the system's.
        {"device", false,
         [](const QString& f, std::string&) {
             const QString node = f + "/full";
             if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, ::makedev(1, 7)) != 0)
                 return std::pair{QStringLiteral("/dev/full"), QString()};
             return std::pair{node, QString()};
         }},
        {"named pipe", false,
         [](const QString& f, std::string&) {
             (void)::mkfifo(QFile::encodeName(f + "/fifo").constData(), 0666);
             return std::pair{f + "/fifo", QString()};
         }},
        // A full disk found before a byte of the old list is overwritten.
        {"full disk, file written in place", false,
         [](const QString& f, std::string&) {
             put(f + "/a.txt", 0644, "old");
             (void)::link(QFile::encodeName(f + "/a.txt").constData(),
                          QFile::encodeName(f + "/b.txt").constData());
             return std::pair{f + "/a.txt", f + "/b.txt"};
         }},
    };
    int n = 0;
    for (const write_row& row : rows) {
        const QString f = folder(std::to_string(n++).c_str());
        std::string skip;
        const auto [written, shown] = row.setup(f, skip);
        const file_state before = state_of(written, false);
        const QByteArray old = shown.isEmpty() ? QByteArray() : contents(shown);

        const bool full_disk = std::string(row.what).starts_with("full disk");
        const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old_limit{};
        ::getrlimit(RLIMIT_FSIZE, &old_limit);
        rlimit small = old_limit;
        small.rlim_cur = 8;
        if (full_disk)
            ::setrlimit(RLIMIT_FSIZE, &small);
        const std::string reason = write_as(row.ordinary_user, written);
        ::setrlimit(RLIMIT_FSIZE, &old_limit);
        std::signal(SIGXFSZ, old_handler);

        EXPECT_NE(reason, "") << row.what;
        EXPECT_NE(reason, "-") << row.what;
        EXPECT_EQ(state_of(written, false), before) << row.what;
        if (!shown.isEmpty()) {
            EXPECT_EQ(contents(shown), old) << row.what;
        }
    }
}

} // namespace
