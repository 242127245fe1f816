#include "shell/RunEnd.h"

#include "core/Machine.h"
#include "files/GameMenu.h"
#include "files/KeptGame.h"
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
    return m_ended || sessionAsked || queryUnload(Reason::Window);
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

void RunEnd::windowGone()
{
    if (m_ended)
        return;
    m_game.machineOperator.finishAtOnce();
    queryUnload(Reason::SessionWithoutQuestions);
    endAtOnce();
}

// Still a clean end: the sound stops, the help viewer closes, and main()
// releases the single-instance lock as the event loop returns.
void RunEnd::endAtOnce()
{
    m_ended = true;
    m_p.sound.stop();
    ShowHelp(m_p.help, &m_game.window, HelpCommand::Quit, 0);
    m_game.window.hide();
    if (m_p.endProgram)
        m_p.endProgram(0);
    else
        QCoreApplication::exit(0);
}

void RunEnd::keepChangedGame()
{
    if (!m_game.machine.game().changed)
        return;
    try {
        writeKeptGame(m_game.keptGame, {gameFileContent(m_game.machine.options(), m_game.machine.game()),
                                     m_game.gameMenu.hasFile() ? m_game.gameMenu.fileName() : QString()});
    } catch (const std::exception&) {
        // The run is ending and nobody can be asked: nothing more to do.
    }
}

// True when the run may end. A closing desktop session may forbid
// questions; it cannot be kept open by a cancelled Save dialog either, only
// asked to stop (see commitData). Without questions, a changed game is kept
// for the next start and no box is shown: there may be nobody, or no
// window, to see it.
bool RunEnd::queryUnload(Reason reason)
{
    OverrideCursor cursor(Qt::WaitCursor);
    const bool session = reason != Reason::Window;
    const bool mayAsk = reason != Reason::SessionWithoutQuestions;
    bool cancel = false;
    try {
        m_p.sound.stop();
        ShowHelp(m_p.help, &m_game.window, HelpCommand::Quit, 0);
        if (m_game.machine.game().changed && !mayAsk)
            keepChangedGame();
        if (m_game.machine.game().changed && mayAsk) {
            switch (m_game.gameMenu.askToSaveChanges()) {
            case GameMenu::Question::Yes:
                switch (m_game.gameMenu.saveCurrentGame()) {
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
