#pragma once

#include "seams/Prompter.h"

#include <QCoreApplication>

namespace strhaven {

// The real message boxes and game-file dialogs.
class QtPrompter final : public Prompter {
    Q_DECLARE_TR_FUNCTIONS(QtPrompter)

public:
    Answer message(QWidget* owner, Icon icon, Buttons buttons, const QString& title, const QString& text,
                   bool systemModal = false) override;
    std::optional<QString> openFile(QWidget* owner, const FileRequest& request) override;
    std::optional<QString> saveFile(QWidget* owner, const FileRequest& request) override;

private:
    enum class FileMode { Open, Save };
    static std::optional<QString> runFileDialog(QWidget* owner, const FileRequest& request, FileMode mode);
};

} // namespace strhaven
