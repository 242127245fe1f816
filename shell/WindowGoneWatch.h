#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace strhaven {

// Notices when another program destroys the main window's native window (a
// window manager's or a tool's "destroy"), which the toolkit itself does not
// report: the game would run on invisible and hold its single-instance lock
// for ever. On X11 only; elsewhere nobody can take our window away.
class WindowGoneWatch final : public QAbstractNativeEventFilter {
public:
    WindowGoneWatch(const QWidget& window, std::function<void()> gone);
    ~WindowGoneWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& m_window;
    std::function<void()> m_gone;
};

} // namespace strhaven
