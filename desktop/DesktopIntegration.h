#pragma once

#include <QString>

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
