#include "QtPrompter.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

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

} // namespace

Prompter::Answer QtPrompter::message(QWidget* owner, Icon icon, Buttons buttons, const QString& title,
                                     const QString& text, bool systemModal)
{
    const bool ask = buttons == Buttons::YesNoCancel;
    QMessageBox box(toBoxIcon(icon), title, text,
                    ask ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok, owner);
    if (ask) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    if (systemModal) {
        // The closest a desktop toolkit comes to a system-modal box: it
        // blocks the whole program and stays above every other window.
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return ask ? Answer::Cancel : Answer::Ok;
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
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setNameFilters({tr("Game Files (*.shs)"), tr("All Files (*.*)")});
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
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen.constFirst());
}

} // namespace strhaven
