#pragma once

#include <QString>

class QWidget;

namespace strhaven {

class GameMenu;
class Machine;
class MachineOperator;
class Prompter;

// What the run's start and end work on: the game on the machine, the
// operator that plays it, its file, and the window that asks the player.
struct GameInPlay {
    QWidget& window; // owner of the boxes
    Machine& machine;
    MachineOperator& machineOperator;
    GameMenu& gameMenu;
    Prompter& prompter;
    QString keptGame; // where a game kept for the next start lies
};

} // namespace strhaven
