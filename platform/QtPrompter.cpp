#include "platform/QtPrompter.h"

#include "widgets/OverrideCursor.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace strhaven {

namespace {

QMessageBox::Icon toBoxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Exclamation: return QMessageBox::Warning;
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The game-file dialog. A save into a folder that does not exist would fail
// after the game had already been titled with that name, so the dialog
// refuses such a path itself, as file dialogs do for an open.
class GameFileDialog final : public QFileDialog {
    Q_DECLARE_TR_FUNCTIONS(GameFileDialog)

public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty()) {
            const QFileInfo file(chosen.constFirst());
            if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
                QMessageBox::warning(this, windowTitle(),
                                     tr("The folder %1 does not exist.\nCheck the path and try again.")
                                         .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

// A folder that is gone (no Documents folder, a game moved away) would be
// taken for a file name; the home folder is always there.
QString existingFolder(const QString& folder)
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

} // namespace

Prompter::Answer QtPrompter::message(QWidget* owner, Icon icon, Buttons buttons, const QString& title,
                                     const QString& text, bool systemModal)
{
    const bool ask = buttons != Buttons::Ok;
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::YesNo)
        shown = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::YesNoCancel)
        shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(toBoxIcon(icon), title, text, shown, owner);
    if (ask) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel);
    }
    if (systemModal) {
        // The closest a desktop toolkit comes to a system-modal box: it
        // blocks the whole program and stays above every other window.
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    OverrideCursor pointer(Qt::ArrowCursor);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return !ask ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::openFile(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, FileMode::Open);
}

std::optional<QString> QtPrompter::saveFile(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, FileMode::Save);
}

std::optional<QString> QtPrompter::runFileDialog(QWidget* owner, const FileRequest& request, FileMode mode)
{
    GameFileDialog dialog(owner, request.title, existingFolder(request.folder));
#ifdef Q_OS_WIN
    const QString allFiles = tr("All Files (*.*)");
#else
    // Here a name needs no dot, and "*.*" would hide every file without one.
    const QString allFiles = tr("All Files (*)");
#endif
    dialog.setNameFilters({tr("Game Files (*.shs)"), allFiles});
    dialog.setDefaultSuffix(QStringLiteral("shs"));
    if (mode == FileMode::Save) {
        // Replacing an existing file needs the player's confirmation, which
        // the dialog asks for unless told otherwise.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    OverrideCursor pointer(Qt::ArrowCursor);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.constFirst());
}

} // namespace strhaven
