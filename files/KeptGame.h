#pragma once

#include "files/GameFile.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace strhaven {

// The changed game, kept beside the settings so that however the run ends
// it can be taken up again at the next start. It is a game file (so it
// opens as one), followed by a 24th line: the path of the game's own file,
// its bytes percent-encoded (so that no line feed, carriage return or NUL
// in a name can change it), empty for an untitled game. It never replaces
// the game's own file: the player decides at the next start.
struct KeptGame {
    GameFileContent content;
    QString file; // the game's own file, or empty
};

// Where the kept game lies: beside the settings file, named after the
// program, never where any game of the player's could be.
QString keptGamePath(const QString& settingsFile);

// The kept game's bytes, as written.
QByteArray keptGameBytes(const KeptGame& game);

// A kept game read back: none, one to offer, or one that cannot be taken
// (damaged or cut short, a name too long to be one, or naming what is no
// game of the player's: itself, a folder, the settings).
struct FoundKeptGame {
    enum class State { None, Found, Damaged };
    State state = State::None;
    KeptGame game;
};
// `notGames`: the paths a kept game may not name, besides itself.
FoundKeptGame readKeptGame(const QString& path, const QStringList& notGames = {});
// The same from memory, without the checks of what the name names.
FoundKeptGame parseKeptGame(QIODevice& in);

// A kept game that cannot be taken goes aside, under a name of its own
// beside it, rather than away: the path it now has, or empty when it could
// not be moved.
QString putKeptGameAside(const QString& path);

} // namespace strhaven
