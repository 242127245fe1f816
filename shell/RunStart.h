#pragma once

#include "shell/GameInPlay.h"

#include <QCoreApplication>

namespace strhaven {

// The game a run starts with, on the new game that start-up lays out: a
// game kept when the last run could not ask about it (offered once), else
// the game named on the command line, else the last game played, when the
// options want it.
class RunStart {
    Q_DECLARE_TR_FUNCTIONS(RunStart)

public:
    // `commandLine` is the whole command line: a game file's path, or empty.
    RunStart(GameInPlay game, QString commandLine);

    void openFirstGame();

private:
    // True when the player took the kept game up.
    bool offerKeptGame();
    void openNamedGame();
    void showWholeGame();

    GameInPlay m_game;
    QString m_commandLine;
};

} // namespace strhaven
