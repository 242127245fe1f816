#pragma once

#include "shell/GameInPlay.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <optional>

class QSessionManager;

namespace strhaven {

class HelpViewer;
class SoundPlayer;

// How a run ends: the window's close with its changed-game question, a
// desktop session that ends (with or without questions), a window taken
// away from outside or a signal, and the Cash Out button's Exit. Every
// ending first finishes a bill or spin in flight at once and books it, then
// goes on as from an idle machine. A changed game that nobody can be asked
// about stays in the journal for the next start, never over its own file.
class RunEnd : public QObject {
    Q_OBJECT
public:
    struct Parts {
        SoundPlayer& sound;
        HelpViewer& help;
        // Writes the settings; throws RunError when the store cannot be
        // written. Not called where start-up found they cannot be kept.
        std::function<void()> writeSettings;
        bool settingsKept;
        // Ends the program with this exit status; the event loop's exit when empty.
        std::function<void(int)> endProgram;
    };
    RunEnd(GameInPlay game, Parts parts, QObject* parent = nullptr);

    // The window is asked to close: true when it may.
    bool windowClosing();
    // A closing desktop session: true when it may go on. With `mayAsk`
    // false the session allows no questions.
    bool sessionClosing(bool mayAsk);
    // The window was destroyed from outside, or a signal asks the program
    // to end: no question (there may be no window left to ask on, or nobody
    // at it), the game kept, the settings saved, the program ended.
    void endWithoutQuestions();
    // The Cash Out button's Exit: no question, the settings already
    // written, the game let go.
    void cashOutExit();
    // The run is over: the window closed, or the program ending.
    bool hasEnded() const { return m_ended; }

private:
    enum class Reason { Window, Session, SessionWithoutQuestions };
    bool queryUnload(Reason reason);
    void endProgram();
    void commitData(QSessionManager& manager);
    // The game and whether it changed, to tell whether anything happened
    // since the session's close.
    QByteArray gameState() const;

    GameInPlay m_game;
    Parts m_p;
    bool m_ended = false; // nothing more is asked
    // The game as the session's close left it, asked about and saved; a
    // close that follows with the game still so asks nothing more. A
    // session whose logout was cancelled leaves the player playing on, and
    // what changes then is asked about again.
    std::optional<QByteArray> m_sessionClosedOn;
};

} // namespace strhaven
