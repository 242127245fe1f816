#include "files/GameMenu.h"

#include "core/Machine.h"
#include "files/GameFile.h"
#include "files/PathHelpers.h"
#include "files/WindowTitle.h"
#include "seams/AppTitle.h"
#include "seams/ErrorReport.h"
#include "seams/Prompter.h"
#include "widgets/OverrideCursor.h"

namespace strhaven {

GameMenu::GameMenu(Machine& machine, Prompter& prompter, QWidget* window)
    : m_machine(machine)
    , m_prompter(prompter)
    , m_window(window)
{
}

GameMenu::Question GameMenu::askToSaveChanges()
{
    const QString text = tr("The current game has changed.") + QStringLiteral("\r\n\r\n") +
                         tr("Do you want to save the game?");
    switch (m_prompter.message(m_window, Prompter::Icon::Question, Prompter::Buttons::YesNoCancel, ApplicationTitle(),
                               text)) {
    case Prompter::Answer::Yes: return Question::Yes;
    case Prompter::Answer::No: return Question::No;
    default: return Question::Cancel;
    }
}

bool GameMenu::writeTo(const QString& path)
{
    OverrideCursor cursor(Qt::WaitCursor);
    GameFileContent content = gameFileContent(m_machine.options(), m_machine.game());
    if (!TransferGameFile(path, Transfer::Write, content, m_prompter, m_window))
        return false;
    m_machine.markSaved();
    emit gameSaved();
    return true;
}

GameMenu::Saving GameMenu::saveCurrentGame()
{
    if (!m_hasFile) {
        const auto path = m_prompter.saveFile(m_window, {tr("Save Game"), m_folder, m_fileName});
        if (!path)
            return Saving::Cancelled;
        m_fileName = *path;
    }
    return writeTo(m_fileName) ? Saving::Saved : Saving::Failed;
}

void GameMenu::adoptFile(const QString& path)
{
    m_hasFile = true;
    m_folder = ExtractFolder(path);
    emit titleChanged(titleFor(path));
}

void GameMenu::setUntitled()
{
    m_hasFile = false;
    emit titleChanged(untitledTitle());
}

void GameMenu::newGame()
{
    runCommand(m_prompter, m_window, tr("Error starting new game."), [this] {
        if (m_machine.game().changed) {
            switch (askToSaveChanges()) {
            case Question::Cancel: return;
            case Question::Yes:
                // A game that could not be written stays on the machine.
                if (saveCurrentGame() != Saving::Saved)
                    throw CommandCancelled{};
                break;
            case Question::No: break;
            }
        }
        emit newGameWanted();
    });
}

void GameMenu::openGame()
{
    runCommand(m_prompter, m_window, tr("Error opening game."), [this] {
        const auto path = m_prompter.openFile(m_window, {tr("Open Game"), m_folder, m_fileName});
        if (!path)
            throw CommandCancelled{};
        OverrideCursor cursor(Qt::WaitCursor);
        // Checked while it is read, so a file changed in between can never
        // be half applied.
        GameFileContent content;
        if (!ValidateGameFile(*path, &content)) {
            m_prompter.message(m_window, Prompter::Icon::Exclamation, Prompter::Buttons::Ok, ApplicationTitle(),
                               tr("Not a valid Star Haven game file."));
            return;
        }
        m_machine.takeGame(content.options, content.game);
        emit gameReplaced();
        m_fileName = *path;
        adoptFile(*path);
    });
}

void GameMenu::saveGame()
{
    runCommand(m_prompter, m_window, tr("Error saving game."), [this] {
        if (saveCurrentGame() == Saving::Cancelled)
            throw CommandCancelled{};
        adoptFile(m_fileName);
    });
}

void GameMenu::saveGameAs()
{
    runCommand(m_prompter, m_window, tr("Error saving new game."), [this] {
        const auto path = m_prompter.saveFile(m_window, {tr("Save Game As"), m_folder, m_fileName});
        if (!path)
            throw CommandCancelled{};
        m_fileName = *path;
        writeTo(*path);
        adoptFile(*path);
    });
}

} // namespace strhaven
