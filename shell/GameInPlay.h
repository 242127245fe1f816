#pragma once

class QWidget;

namespace strhaven {

class GameJournal;
class GameMenu;
class Machine;
class MachineOperator;
class Prompter;

// What the run's start and end work on: the game on the machine, the
// operator that plays it, its file and its journal, and the window that
// asks the player.
struct GameInPlay {
    QWidget& window; // owner of the boxes
    Machine& machine;
    MachineOperator& machineOperator;
    GameMenu& gameMenu;
    Prompter& prompter;
    GameJournal& journal;

    // The game as it stands, into the journal.
    void record() const;
};

// The game on the machine as it stands, with the file it belongs to, into
// the journal.
void recordGame(GameJournal& journal, const Machine& machine, const GameMenu& gameMenu);

} // namespace strhaven
