#include "platform/DisplayKeyboardState.h"

#include <QGuiApplication>

#ifdef STRHAVEN_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace strhaven {

bool DisplayKeyboardState::isKeyDown(quint32 nativeScanCode)
{
#ifdef STRHAVEN_HAVE_XCB
    // X key codes run from 8 to 255; on xcb the scan code is the key code.
    if (nativeScanCode < 8 || nativeScanCode > 255)
        return false;
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (!reply)
        return false;
    const bool down = (reply->keys[nativeScanCode / 8] >> (nativeScanCode % 8)) & 1;
    std::free(reply);
    return down;
#else
    Q_UNUSED(nativeScanCode)
    return false;
#endif
}

} // namespace strhaven
