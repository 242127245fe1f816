// How a run ends: the window's close with its question, a desktop session
// that ends (with or without questions, perhaps in the middle of a spin), a
// window destroyed from outside, and the game kept when nobody can be asked.
#include "shell/MachineWindow.h"

#include "files/KeptGame.h"
#include "play/MachineOperator.h"
#include "seams/ErrorReport.h"
#include "seams/HelpViewer.h"
#include "widgets/OverrideCursor.h"

#include <QCloseEvent>
#include <QSessionManager>

namespace strhaven {

void MachineWindow::keepChangedGame()
{
    if (!m_machine.game().changed)
        return;
    try {
        writeKeptGame(keptGamePath(), {gameFileContent(m_machine.options(), m_machine.game()),
                                       m_gameMenuCommands.hasFile() ? m_gameMenuCommands.fileName() : QString()});
    } catch (const std::exception&) {
        // The run is ending and nobody can be asked: nothing more to do.
    }
}

// True when the window may close. A closing desktop session may forbid
// questions; it cannot be kept open by a cancelled Save dialog either, only
// asked to stop (see commitData). Without questions, a changed game is kept
// for the next start and no box is shown: there may be nobody, or no
// window, to see it.
bool MachineWindow::queryUnload(CloseReason reason)
{
    OverrideCursor cursor(Qt::WaitCursor);
    const bool session = reason != CloseReason::Window;
    const bool mayAsk = reason != CloseReason::SessionWithoutQuestions;
    bool cancel = false;
    try {
        m_sound.stop();
        ShowHelp(m_seams.help, this, HelpCommand::Quit, 0);
        if (m_machine.game().changed && !mayAsk)
            keepChangedGame();
        if (m_machine.game().changed && mayAsk) {
            switch (m_gameMenuCommands.askToSaveChanges()) {
            case GameMenu::Question::Yes:
                switch (m_gameMenuCommands.saveCurrentGame()) {
                case GameMenu::Saving::Saved: break;
                case GameMenu::Saving::Cancelled: return session; // stay, and save no settings
                case GameMenu::Saving::Failed: cancel = true; break; // keep the game that could not be written
                }
                break;
            case GameMenu::Question::No: break;
            case GameMenu::Question::Cancel: cancel = true; break;
            }
        }
        // Start-up has told the player that the settings cannot be kept.
        if (m_seams.settingsKept)
            saveSettings();
    } catch (const std::exception& e) {
        if (mayAsk)
            ShowError(m_seams.prompter, this, e, tr("Unloading"));
    }
    return !cancel;
}

bool MachineWindow::sessionClosing(bool mayAsk)
{
    m_operator->finishAtOnce();
    const bool mayClose = queryUnload(mayAsk ? CloseReason::Session : CloseReason::SessionWithoutQuestions);
    if (mayClose)
        m_sessionClosedOn = gameState();
    return mayClose;
}

void MachineWindow::endWithoutWindow()
{
    if (m_endingAtOnce)
        return;
    m_operator->finishAtOnce();
    queryUnload(CloseReason::SessionWithoutQuestions);
    endAtOnce();
}

void MachineWindow::commitData(QSessionManager& manager)
{
    if (!sessionClosing(manager.allowsInteraction()))
        manager.cancel(); // the player wants the game kept: ask the session to stop
    manager.release();
}

void MachineWindow::closeEvent(QCloseEvent* event)
{
    // A bill, a spin or a payout still in flight is done and booked first:
    // the question and the save see the whole of it.
    m_operator->finishAtOnce();
    // The session's close has asked and saved already, unless the game went
    // on after it; the Cash Out button's "Exit" asks nothing.
    const bool sessionAsked = m_sessionClosedOn && *m_sessionClosedOn == gameState();
    if (m_endingAtOnce || sessionAsked || queryUnload(CloseReason::Window))
        event->accept();
    else
        event->ignore();
}

} // namespace strhaven
