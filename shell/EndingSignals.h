#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace strhaven {

// SIGTERM, SIGHUP and SIGINT, as the event loop's calls: a desktop without
// a session manager (a Wayland session) logs out and shuts down with
// SIGTERM, a closed terminal sends SIGHUP, Ctrl+C SIGINT. The handler only
// writes the signal's number to a pipe, the one thing it may safely do;
// the event loop reads it and calls back. One object for the whole run.
class EndingSignals : public QObject {
    Q_OBJECT
public:
    explicit EndingSignals(std::function<void(int signal)> ending, QObject* parent = nullptr);
    // The signals get their usual handling back.
    ~EndingSignals() override;

private:
    void read();

    std::function<void(int)> m_ending;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace strhaven
