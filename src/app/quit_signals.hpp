// SIGTERM, SIGHUP and SIGINT, which a session's end, `kill` and Ctrl+C in a terminal
// send, reach the program's event loop as a call to `on_signal` instead of ending the
// process on the spot. A second such signal ends it at once, as before.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tolvin {

class quit_signals : public QObject {
    Q_OBJECT
  public:
    // Watches the signals until destroyed; false from installed() when the pipe could
    // not be made (the signals then end the process as by default).
    explicit quit_signals(std::function<void()> on_signal);
    ~quit_signals() override;
    quit_signals(const quit_signals&) = delete;
    quit_signals& operator=(const quit_signals&) = delete;

    bool installed() const { return notifier_ != nullptr; }

  private:
    void take_signal();

    std::function<void()> on_signal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tolvin
