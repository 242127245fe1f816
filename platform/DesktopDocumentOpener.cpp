#include "platform/DesktopDocumentOpener.h"

#include "platform/XdgHandlerLookup.h"

#include <QDesktopServices>
#include <QFileInfo>

#include <new>

namespace strhaven {

namespace {

// An address with a scheme stays an address; anything else is a path. A
// one-letter "scheme" is a Windows drive, so "C:/games/readme.txt" is a path.
QUrl urlFor(const QString& target)
{
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(target);
}

} // namespace

DesktopDocumentOpener::Desktop DesktopDocumentOpener::systemDesktop()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // Read afresh each time: a program installed while the game runs counts.
    const auto hasHandler = [](const QUrl& url) {
        return !XdgHandlerLookup(XdgEnvironment::fromProcess()).handlerFor(url).isEmpty();
    };
#else
    const auto hasHandler = [](const QUrl&) { return true; };
#endif
    return {hasHandler, [](const QUrl& url) { return QDesktopServices::openUrl(url); }};
}

DesktopDocumentOpener::DesktopDocumentOpener(Desktop desktop) : m_desktop(std::move(desktop)) {}

int DesktopDocumentOpener::openDocument(QWidget*, const QString& target)
{
    try {
        const QUrl url = urlFor(target);
        if (url.isLocalFile()) {
            const QFileInfo file(url.toLocalFile());
            if (!file.exists())
                return FileNotFound;
            if (!file.isReadable())
                return AccessDenied;
        }
        if (!m_desktop.hasHandler(url))
            return NoAssociation;
        return m_desktop.launch(url) ? Opened : NoAssociation;
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    }
}

} // namespace strhaven
