#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace strhaven {

// Message boxes and the open/save file dialogs: everything that asks the
// player something. The game fills it with real dialogs, tests with a fake.
class Prompter {
public:
    enum class Icon { Exclamation, Information, Question, Critical };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileRequest {
        QString title;       // dialog title, e.g. "Save Game"
        QString folder;      // initial folder
        QString fileName;    // file name shown at first
    };

    virtual ~Prompter() = default;

    // systemModal: the box stays above every window of the desktop.
    virtual Answer message(QWidget* owner, Icon icon, Buttons buttons, const QString& title, const QString& text,
                           bool systemModal = false) = 0;

    // The chosen path, or nothing when the player cancelled (a silent stop).
    virtual std::optional<QString> openFile(QWidget* owner, const FileRequest& request) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<QString> saveFile(QWidget* owner, const FileRequest& request) = 0;
};

} // namespace strhaven
