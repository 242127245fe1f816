#pragma once

#include "seams/DocumentOpener.h"

#include <QUrl>

#include <functional>

namespace strhaven {

// Opens files and addresses through the desktop's own handlers. A local file
// is checked first, so that a missing or unreadable one is told apart from a
// desktop that has no program for it; then the desktop is asked whether it
// has a program at all, because a launcher that starts the desktop's opener
// reports success even when that opener finds nothing.
class DesktopDocumentOpener final : public DocumentOpener {
public:
    struct Desktop {
        std::function<bool(const QUrl&)> hasHandler;
        std::function<bool(const QUrl&)> launch; // true once the target is handed over
    };
    // The running desktop: its handlers as freedesktop launchers find them
    // (elsewhere the launch itself reports a missing one), launched through
    // QDesktopServices.
    static Desktop systemDesktop();

    explicit DesktopDocumentOpener(Desktop desktop = systemDesktop());

    int openDocument(QWidget* owner, const QString& target) override;

private:
    Desktop m_desktop;
};

} // namespace strhaven
