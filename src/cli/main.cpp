// tolvin-list: makes a list from the command line, for scripts and pipes.
#include "cli/list_command.hpp"

#include <QByteArray>
#include <QList>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

bool write_all(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<std::size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The bytes as given: texts are read as UTF-8 whatever the locale says, file names
    // go to the system unchanged.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const tolvin::list_command_result result = tolvin::run_list_command(arguments, STDIN_FILENO);
    // A list that did not reach its reader is no success (a full disk, a closed pipe
    // when SIGPIPE is ignored).
    if (!write_all(STDOUT_FILENO, result.out)) {
        const QByteArray reason = QByteArray("tolvin-list: standard output: ") + std::strerror(errno) + '\n';
        write_all(STDERR_FILENO, reason);
        return tolvin::cannot_read;
    }
    write_all(STDERR_FILENO, result.err);
    return result.status;
}
