#pragma once

#include "seams/DesktopIntegration.h"

#include <QStringList>

namespace strhaven {

// Registers nothing with the desktop; remembers the steps asked for.
class FakeDesktopIntegration final : public DesktopIntegration {
public:
    QStringList steps;
    void WriteUninstallLog(QWidget*) override { steps << "uninstall log"; }
    void RegisterFileType(QWidget*) override { steps << "file type"; }
};

} // namespace strhaven
