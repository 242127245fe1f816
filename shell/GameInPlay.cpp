#include "shell/GameInPlay.h"

#include "core/Machine.h"
#include "files/GameJournal.h"
#include "files/GameMenu.h"

namespace strhaven {

void recordGame(GameJournal& journal, const Machine& machine, const GameMenu& gameMenu)
{
    journal.record(machine.options(), machine.game(), gameMenu.hasFile() ? gameMenu.fileName() : QString());
}

void GameInPlay::record() const { recordGame(journal, machine, gameMenu); }

} // namespace strhaven
