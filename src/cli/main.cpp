// tolvin-list: makes a list from the command line, for scripts and pipes.
#include "cli/list_command.hpp"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

bool write_all(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The bytes as given: texts are read as UTF-8 whatever the locale says, file names
    // go to the system unchanged.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const tolvin::list_command_result result = tolvin::run_list_command(arguments, STDIN_FILENO);
    // A list that did not reach its reader is no success (a full disk, a closed pipe
    // when SIGPIPE is ignored).
    if (!write_all(STDOUT_FILENO, result.out)) {
        const int error = errno;
        const std::string reason =
            std::string("tolvin-list: standard output: ") + std::strerror(error) + '\n';
        write_all(STDERR_FILENO, reason);
        return tolvin::cannot_read;
    }
    write_all(STDERR_FILENO, result.err);
    return result.status;
}
