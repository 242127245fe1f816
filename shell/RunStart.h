#pragma once

#include "shell/GameInPlay.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace strhaven {

// The game a run starts with, on the new game that start-up lays out: a
// game kept when the last run ended (offered once), else the game named on
// the command line, else the last game played, when the options want it.
// The kept game stays on the disk until the answer is carried out: a kill,
// a logout or a signal while the question shows leaves it for the next
// start. One that cannot be taken is put aside, and the player told where.
class RunStart {
    Q_DECLARE_TR_FUNCTIONS(RunStart)

public:
    // `commandLine` is the whole command line: a game file's path, or empty.
    // `settingsFile` is no game a kept one may name. `runEnded` tells
    // whether the run has ended meanwhile (while the question showed).
    RunStart(GameInPlay game, QString commandLine, QString settingsFile, std::function<bool()> runEnded);

    void openFirstGame();

private:
    // True when the player took the kept game up.
    bool offerKeptGame();
    void openNamedGame();
    void showWholeGame();

    GameInPlay m_game;
    QString m_commandLine;
    QString m_settingsFile;
    std::function<bool()> m_runEnded;
};

} // namespace strhaven
