#include "shell/FirstRunRegistration.h"

#include "seams/DesktopIntegration.h"
#include "settings/SettingsStore.h"

namespace strhaven {

FirstRunRegistration::FirstRunRegistration(DesktopIntegration& desktop, bool settingsKept)
    : m_desktop(desktop)
    , m_settingsKept(settingsKept)
{
}

void FirstRunRegistration::registerOnce(QSettings& store, QWidget* owner)
{
    if (!m_settingsKept || !readFirstTime(store))
        return;
    m_desktop.WriteUninstallLog(owner);
    m_desktop.RegisterFileType(owner);
    writeFirstTimeDone(store);
}

} // namespace strhaven
