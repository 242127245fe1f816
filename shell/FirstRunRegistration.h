#pragma once

class QSettings;
class QWidget;

namespace strhaven {

class DesktopIntegration;

// What the first run for a user registers with the desktop: the lines of
// the uninstall log, then the game-file type, once. The store's mark that
// it was done is written whatever the two steps managed.
class FirstRunRegistration {
public:
    // Where the settings cannot be kept, its mark could not be stored
    // either: every start would register (and fail) again, so nothing is.
    FirstRunRegistration(DesktopIntegration& desktop, bool settingsKept);

    // Registers unless the store says it was done.
    void registerOnce(QSettings& store, QWidget* owner);

private:
    DesktopIntegration& m_desktop;
    bool m_settingsKept;
};

} // namespace strhaven
