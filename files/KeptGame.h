#pragma once

#include "files/GameFile.h"

#include <QString>

#include <optional>

namespace strhaven {

// A changed game the run had to end on without asking about it: a desktop
// session that allowed no question, or a main window destroyed from outside.
// It is a game file (so it opens as one), followed by a 24th line, the path
// of the game's own file as bytes, empty for an untitled game. It never
// replaces the game's own file: the player decides at the next start.
struct KeptGame {
    GameFileContent content;
    QString file; // the game's own file, or empty
};

// Where the kept game lies: beside the settings file, named after the
// program, never where any game of the player's could be.
QString keptGamePath(const QString& settingsFile);

// Throws RunError as writeGameFile does.
void writeKeptGame(const QString& path, const KeptGame& game);
// Nothing when there is none, or when it cannot be read as a whole game.
std::optional<KeptGame> readKeptGame(const QString& path);

} // namespace strhaven
