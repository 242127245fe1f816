#pragma once

#include "seams/DesktopIntegration.h"

#include <QString>

class QWidget;

namespace strhaven {

class Prompter;

// The real thing for this user: the program's folder, the settings store at
// `settingsFile`, the running program's path, the user's data and config
// folders.
class UserDesktopIntegration final : public DesktopIntegration {
public:
    UserDesktopIntegration(Prompter& prompter, QString settingsFile)
        : m_prompter(prompter), m_settingsFile(std::move(settingsFile)) {}
    void WriteUninstallLog(QWidget* owner) override;
    void RegisterFileType(QWidget* owner) override;

private:
    Prompter& m_prompter;
    QString m_settingsFile;
};

} // namespace strhaven
