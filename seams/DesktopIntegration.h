#pragma once

class QWidget;

namespace strhaven {

// What the first run registers with the desktop, in this order: the lines
// for the installer's uninstall log, then the game-file type. Each step shows
// its own message when it fails; neither throws, so start-up always goes on.
class DesktopIntegration {
public:
    virtual ~DesktopIntegration() = default;
    virtual void WriteUninstallLog(QWidget* owner) = 0;
    virtual void RegisterFileType(QWidget* owner) = 0;
};

} // namespace strhaven
