#pragma once

#include "DocumentOpener.h"

namespace strhaven {

// Opens files and addresses through the desktop's own handlers. A local file
// is checked first, so that a missing or unreadable one is told apart from a
// desktop that has no program for it.
class DesktopDocumentOpener final : public DocumentOpener {
public:
    int openDocument(QWidget* owner, const QString& target) override;
};

} // namespace strhaven
