#include "seams/ErrorReport.h"

#include <QCoreApplication>

#include <new>

namespace strhaven {

namespace {
struct ErrorText {
    Q_DECLARE_TR_FUNCTIONS(ErrorReport)
};
} // namespace

QString errorText(int number)
{
    const char* text = nullptr;
    switch (number) {
    case ErrorNumber::OutOfMemory: text = QT_TRANSLATE_NOOP("ErrorReport", "Out of memory"); break;
    case ErrorNumber::TypeMismatch: text = QT_TRANSLATE_NOOP("ErrorReport", "Type mismatch"); break;
    case ErrorNumber::FileNotFound: text = QT_TRANSLATE_NOOP("ErrorReport", "File not found"); break;
    case ErrorNumber::BadFileMode: text = QT_TRANSLATE_NOOP("ErrorReport", "Bad file mode"); break;
    case ErrorNumber::DiskFull: text = QT_TRANSLATE_NOOP("ErrorReport", "Disk full"); break;
    case ErrorNumber::InputPastEnd: text = QT_TRANSLATE_NOOP("ErrorReport", "Input past end of file"); break;
    case ErrorNumber::PermissionDenied: text = QT_TRANSLATE_NOOP("ErrorReport", "Permission denied"); break;
    case ErrorNumber::PathFileAccess: text = QT_TRANSLATE_NOOP("ErrorReport", "Path/File access error"); break;
    case ErrorNumber::PathNotFound: text = QT_TRANSLATE_NOOP("ErrorReport", "Path not found"); break;
    case ErrorNumber::InternalError: text = QT_TRANSLATE_NOOP("ErrorReport", "Internal error"); break;
    case ErrorNumber::Cancelled: text = QT_TRANSLATE_NOOP("ErrorReport", "Cancel was selected."); break;
    default: text = QT_TRANSLATE_NOOP("ErrorReport", "Application-defined or object-defined error"); break;
    }
    return ErrorText::tr(text);
}

RunError::RunError(int number)
    : std::runtime_error(errorText(number).toStdString())
    , m_number(number)
{
}

void ShowError(Prompter& prompter, QWidget* owner, int number, const QString& title)
{
    try {
        prompter.message(owner, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, title,
                         QString::number(number) + QStringLiteral(": ") + errorText(number));
    } catch (...) {
        // A report that cannot be shown must not become a second failure.
    }
}

void ShowError(Prompter& prompter, QWidget* owner, const std::exception& failure, const QString& title)
{
    int number = ErrorNumber::InternalError;
    if (const auto* run = dynamic_cast<const RunError*>(&failure))
        number = run->number();
    else if (dynamic_cast<const std::bad_alloc*>(&failure))
        number = ErrorNumber::OutOfMemory;
    ShowError(prompter, owner, number, title);
}

void runCommand(Prompter& prompter, QWidget* owner, const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const CommandCancelled&) {
    } catch (const std::exception& e) {
        ShowError(prompter, owner, e, title);
    }
}

} // namespace strhaven
