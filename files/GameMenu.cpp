#include "files/GameMenu.h"

#include "seams/AppTitle.h"
#include "seams/ErrorReport.h"
#include "widgets/WaitCursor.h"
#include "files/GameDocument.h"
#include "files/PathHelpers.h"
#include "seams/Prompter.h"

#include <functional>

namespace strhaven {

namespace {

// The file dialog was cancelled: the command ends without a word.
struct Cancelled {};


// One command under one error trap: a failure is reported under the
// command's title, a cancelled dialog is not reported at all.
void trapped(Prompter& prompter, QWidget* owner, const QString& title, const std::function<void()>& command)
{
    try {
        command();
    } catch (const Cancelled&) {
    } catch (const std::exception& e) {
        ShowError(prompter, owner, e, title);
    }
}

} // namespace

GameMenu::GameMenu(GameDocument& document, Prompter& prompter) : m_document(document), m_prompter(prompter) {}

GameMenu::Question GameMenu::askToSaveChanges()
{
    const QString text = tr("The current game has changed.") + QStringLiteral("\r\n\r\n") +
                         tr("Do you want to save the game?");
    switch (m_prompter.message(m_document.documentWindow(), Prompter::Icon::Question, Prompter::Buttons::YesNoCancel,
                               ApplicationTitle(), text)) {
    case Prompter::Answer::Yes: return Question::Yes;
    case Prompter::Answer::No: return Question::No;
    default: return Question::Cancel;
    }
}

bool GameMenu::writeTo(const QString& path)
{
    WaitCursor cursor;
    GameFileContent content = m_document.documentContent();
    if (!TransferGameFile(path, TransferFlag::Write, content, m_prompter, m_document.documentWindow()))
        return false;
    m_document.setGameChanged(false);
    return true;
}

GameMenu::Saving GameMenu::saveCurrentGame()
{
    if (!m_document.hasDocumentFile()) {
        const auto path = m_prompter.saveFile(
            m_document.documentWindow(),
            {tr("Save Game"), m_document.dialogFolder(), m_document.dialogFileName()});
        if (!path)
            return Saving::Cancelled;
        m_document.setDialogFileName(*path);
    }
    return writeTo(m_document.dialogFileName()) ? Saving::Saved : Saving::Failed;
}

void GameMenu::adoptFile(const QString& path)
{
    m_document.setDocumentFile(path);
    m_document.setDialogFolder(ExtractFolder(path));
}

void GameMenu::NewGame()
{
    trapped(m_prompter, m_document.documentWindow(), tr("Error starting new game."), [this] {
        if (m_document.gameChanged()) {
            switch (askToSaveChanges()) {
            case Question::Cancel: return;
            case Question::Yes:
                // A game that could not be written stays on the machine.
                if (saveCurrentGame() != Saving::Saved)
                    throw Cancelled{};
                break;
            case Question::No: break;
            }
        }
        m_document.startNewGame();
    });
}

void GameMenu::OpenGame()
{
    trapped(m_prompter, m_document.documentWindow(), tr("Error opening game."), [this] {
        const auto path = m_prompter.openFile(
            m_document.documentWindow(), {tr("Open Game"), m_document.dialogFolder(), m_document.dialogFileName()});
        if (!path)
            throw Cancelled{};
        WaitCursor cursor;
        // Checked while it is read, so a file changed in between can never
        // be half applied.
        GameFileContent content;
        if (!ValidateGameFile(*path, &content)) {
            m_prompter.message(m_document.documentWindow(), Prompter::Icon::Exclamation, Prompter::Buttons::Ok,
                               ApplicationTitle(), tr("Not a valid Star Haven game file."));
            return;
        }
        m_document.putInForce(content);
        m_document.setDialogFileName(*path);
        adoptFile(*path);
    });
}

void GameMenu::SaveGame()
{
    trapped(m_prompter, m_document.documentWindow(), tr("Error saving game."), [this] {
        if (saveCurrentGame() == Saving::Cancelled)
            throw Cancelled{};
        adoptFile(m_document.dialogFileName());
    });
}

void GameMenu::SaveGameAs()
{
    trapped(m_prompter, m_document.documentWindow(), tr("Error saving new game."), [this] {
        const auto path = m_prompter.saveFile(
            m_document.documentWindow(), {tr("Save Game As"), m_document.dialogFolder(), m_document.dialogFileName()});
        if (!path)
            throw Cancelled{};
        m_document.setDialogFileName(*path);
        writeTo(*path);
        adoptFile(*path);
    });
}

} // namespace strhaven
