#include "shell/RunEnd.h"

#include "core/Machine.h"
#include "files/GameMenu.h"
#include "files/GameFile.h"
#include "files/GameJournal.h"
#include "play/MachineOperator.h"
#include "play/SoundPlayer.h"
#include "seams/ErrorReport.h"
#include "seams/HelpViewer.h"
#include "widgets/OverrideCursor.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QWidget>

namespace strhaven {

RunEnd::RunEnd(GameInPlay game, Parts parts, QObject* parent)
    : QObject(parent)
    , m_game(std::move(game))
    , m_p(std::move(parts))
{
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &RunEnd::commitData);
}

bool RunEnd::windowClosing()
{
    m_game.machineOperator.finishAtOnce();
    // The session's close has asked and saved already, unless the game went
    // on after it; the Cash Out button's Exit asks nothing.
    const bool sessionAsked = m_sessionClosedOn && *m_sessionClosedOn == gameState();
    if (m_ended || sessionAsked || queryUnload(Reason::Window))
        m_ended = true;
    return m_ended;
}

bool RunEnd::sessionClosing(bool mayAsk)
{
    m_game.machineOperator.finishAtOnce();
    const bool mayClose = queryUnload(mayAsk ? Reason::Session : Reason::SessionWithoutQuestions);
    if (mayClose)
        m_sessionClosedOn = gameState();
    return mayClose;
}

void RunEnd::commitData(QSessionManager& manager)
{
    if (!sessionClosing(manager.allowsInteraction()))
        manager.cancel(); // the player wants the game kept: ask the session to stop
    manager.release();
}

void RunEnd::endWithoutQuestions()
{
    if (m_ended)
        return;
    m_game.machineOperator.finishAtOnce();
    queryUnload(Reason::SessionWithoutQuestions);
    endProgram();
}

void RunEnd::cashOutExit()
{
    m_game.journal.discard(); // gone by design: the dialog that chose Exit says so
    endProgram();
}

// Still a clean end: the sound stops, the help viewer closes, the journal
// is on the disk, and main() releases the single-instance lock as the event
// loop returns.
void RunEnd::endProgram()
{
    m_ended = true;
    m_game.journal.flush();
    m_p.sound.stop();
    ShowHelp(m_p.help, &m_game.window, HelpCommand::Quit, 0);
    m_game.window.hide();
    if (m_p.endProgram)
        m_p.endProgram(0);
    else
        QCoreApplication::exit(0);
}

// True when the run may end. A closing desktop session may forbid
// questions; it cannot be kept open by a cancelled Save dialog either, only
// asked to stop (see commitData). Without questions, a changed game is kept
// in the journal for the next start and no box is shown: there may be
// nobody, or no window, to see it. A game the player lets go (No) goes from
// the journal too; one saved is unchanged, which the journal follows.
bool RunEnd::queryUnload(Reason reason)
{
    OverrideCursor cursor(Qt::WaitCursor);
    const bool session = reason != Reason::Window;
    const bool mayAsk = reason != Reason::SessionWithoutQuestions;
    bool cancel = false;
    try {
        m_p.sound.stop();
        ShowHelp(m_p.help, &m_game.window, HelpCommand::Quit, 0);
        if (m_game.machine.game().changed && !mayAsk) {
            m_game.record();
            m_game.journal.flush();
        }
        if (m_game.machine.game().changed && mayAsk) {
            switch (m_game.gameMenu.askToSaveChanges()) {
            case GameMenu::Question::Yes:
                switch (m_game.gameMenu.saveCurrentGame()) {
                case GameMenu::Saving::Saved: break;
                case GameMenu::Saving::Cancelled: return session; // stay, and save no settings
                case GameMenu::Saving::Failed: cancel = true; break; // keep the game that could not be written
                }
                break;
            case GameMenu::Question::No: m_game.journal.discard(); break;
            case GameMenu::Question::Cancel: cancel = true; break;
            }
        }
        // Start-up has told the player that the settings cannot be kept.
        if (m_p.settingsKept)
            m_p.writeSettings();
    } catch (const std::exception& e) {
        if (mayAsk)
            ShowError(m_game.prompter, &m_game.window, e, tr("Unloading"));
    }
    return !cancel;
}

QByteArray RunEnd::gameState() const
{
    return gameFileBytes(gameFileContent(m_game.machine.options(), m_game.machine.game())) +
           (m_game.machine.game().changed ? "changed" : "");
}

} // namespace strhaven
