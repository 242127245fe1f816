#include "desktop/UserDesktopIntegration.h"

#include "desktop/FileAssociation.h"
#include "seams/ProgramFolder.h"
#include "desktop/UninstallLog.h"

#include <QCoreApplication>

namespace strhaven {

void UserDesktopIntegration::WriteUninstallLog(QWidget* owner)
{
    strhaven::WriteUninstallLog(m_prompter, owner, programFolder(), m_settingsFile);
}

void UserDesktopIntegration::RegisterFileType(QWidget* owner)
{
    strhaven::RegisterFileType(m_prompter, owner, QCoreApplication::applicationFilePath(), userAssociationFolders());
}

} // namespace strhaven
