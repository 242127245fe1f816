#include "DesktopDocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

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
        return QDesktopServices::openUrl(url) ? Opened : NoAssociation;
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    }
}

} // namespace strhaven
