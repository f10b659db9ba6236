#include "quit_signals.hpp"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tolvin {

namespace {

// The self-pipe: the handler only writes a byte, which is async-signal-safe; the event
// loop reads it and does the real work.
int pipe_fds[2] = {-1, -1};
constexpr int watched[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void on_quit_signal(int signal_number) {
    const int saved = errno;
    const char byte = static_cast<char>(signal_number);
    [[maybe_unused]] const ssize_t written = ::write(pipe_fds[1], &byte, 1);
    errno = saved;
}

void close_pipe() {
    for (int& fd : pipe_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

quit_signals::quit_signals(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
    if (pipe_fds[0] >= 0 || ::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = on_quit_signal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls; the default comes back after one signal, so a second
    // one ends a program that no longer answers.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int s : watched) {
        // A signal the program was started with ignored (nohup, a background job of a
        // script) stays ignored.
        struct sigaction before {};
        if (::sigaction(s, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        ::sigaction(s, &action, nullptr);
    }
    notifier_ = new QSocketNotifier(pipe_fds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &quit_signals::take_signal);
}

quit_signals::~quit_signals() {
    if (notifier_ == nullptr)
        return;
    for (const int s : watched) {
        struct sigaction now {};
        if (::sigaction(s, nullptr, &now) == 0 && now.sa_handler == on_quit_signal)
            std::signal(s, SIG_DFL);
    }
    close_pipe();
}

void quit_signals::take_signal() {
    char bytes[16];
    while (::read(pipe_fds[0], bytes, sizeof bytes) > 0) {
    }
    if (on_signal_)
        on_signal_();
}

} // namespace tolvin
