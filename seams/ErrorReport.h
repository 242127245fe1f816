#pragma once

#include "seams/Prompter.h"

#include <QString>

#include <functional>
#include <stdexcept>

class QWidget;

namespace strhaven {

// Failure numbers the game can raise, with our own standard texts.
namespace ErrorNumber {
inline constexpr int TypeMismatch = 13;
inline constexpr int OutOfMemory = 7;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InternalError = 51;
inline constexpr int Cancelled = 32755;
} // namespace ErrorNumber

QString errorText(int number);

// A trapped failure: operations throw it, the handler's trap reports it with
// ShowError under the title it has set.
class RunError : public std::runtime_error {
public:
    explicit RunError(int number);
    int number() const { return m_number; }

private:
    int m_number;
};

// "n: text" in an exclamation box with one OK button under the given title.
// Never fails towards its caller.
void ShowError(Prompter& prompter, QWidget* owner, int number, const QString& title);
// The same for a trapped exception: a RunError reports its own number, an
// exhausted memory 7, anything else 51.
void ShowError(Prompter& prompter, QWidget* owner, const std::exception& failure, const QString& title);

// A command that stops without a word: the player cancelled a file dialog.
struct CommandCancelled {};

// Runs a command under its error trap: a failure is reported with ShowError
// under the command's title, a cancelled command says nothing. What the
// command did before it failed stays done.
void runCommand(Prompter& prompter, QWidget* owner, const QString& title, const std::function<void()>& command);

} // namespace strhaven
