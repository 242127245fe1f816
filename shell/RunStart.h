#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace strhaven {

class GameMenu;
class Machine;
class MachineOperator;
class Prompter;

// The game a run starts with, on the new game that start-up lays out: a
// game kept when the last run could not ask about it (offered once), else
// the game named on the command line, else the last game played, when the
// options want it.
class RunStart {
    Q_DECLARE_TR_FUNCTIONS(RunStart)

public:
    struct Parts {
        QWidget& window; // owner of the boxes
        Machine& machine;
        MachineOperator& machineOperator;
        GameMenu& gameMenu;
        Prompter& prompter;
        QString commandLine; // the whole command line: a game file's path, or empty
        QString keptGame;    // where a kept game would lie
    };
    explicit RunStart(Parts parts);

    void openFirstGame();

private:
    // True when the player took the kept game up.
    bool offerKeptGame();
    void openNamedGame();
    void showWholeGame();

    Parts m_p;
};

} // namespace strhaven
