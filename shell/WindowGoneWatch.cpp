#include "shell/WindowGoneWatch.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdint>

namespace strhaven {

namespace {

// The X11 protocol's DestroyNotify event as the xcb connection delivers it;
// its layout is fixed by the protocol, so the xcb headers are not needed.
struct DestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t DestroyNotifyType = 17;
constexpr std::uint8_t SentByAnotherClient = 0x80;

} // namespace

WindowGoneWatch::WindowGoneWatch(const QWidget& window, std::function<void()> gone)
    : m_window(window)
    , m_gone(std::move(gone))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowGoneWatch::~WindowGoneWatch() { QCoreApplication::instance()->removeNativeEventFilter(this); }

bool WindowGoneWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !m_gone)
        return false;
    const auto* event = static_cast<const DestroyNotify*>(message);
    if ((event->responseType & ~SentByAnotherClient) != DestroyNotifyType)
        return false;
    // Only while the window is meant to be up: our own teardown destroys it too.
    if (!m_window.isVisible() || event->window != static_cast<std::uint32_t>(m_window.internalWinId()))
        return false;
    const auto gone = std::exchange(m_gone, nullptr);
    gone();
    return false;
}

} // namespace strhaven
