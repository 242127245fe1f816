#pragma once

#include "core/GameOptions.h"
#include "core/SlotGame.h"

#include <QString>

class QIODevice;
class QWidget;

namespace strhaven {

class Prompter;

// One saved game: 23 lines of text, one value a line, in a fixed order with
// no header. Lines 1-5 wheel speed and the sound switches, 6 the machine's
// credits per dollar, 7 the payout mode, 8-12 the counters and credits,
// 13-14 the win and bet displays as shown, 15-23 the nine symbols.
//
// Written with CR LF and a point in line 6; read with CR LF or LF alone and
// with a point or the user's decimal sign, so files move between machines.
struct GameFileContent {
    // Of the options only WheelSpeed, the four sound switches, Machine and
    // Payout travel in a file; the others keep their defaults here.
    GameOptions options;
    // Counters, the Won and Played display texts and the grid.
    // GameChanged is not stored.
    SlotGame game;
};

inline constexpr int GameFileLines = 23;

// The 23 lines of a game file, as written.
QByteArray gameFileBytes(const GameFileContent& content);

// What a game file would hold for the game in force (the machine takes one
// read from a file with Machine::takeGame).
GameFileContent gameFileContent(const GameOptions& options, const SlotGame& game);

// True only when the file is a regular file and every one of its first 23
// lines holds what that line must hold. Shows nothing. With `content`, the
// game it holds is handed over from the same reading, so what was checked is
// exactly what is applied.
bool ValidateGameFile(const QString& path, GameFileContent* content = nullptr);

// The whole game of a valid file; numbers rounded half to even. Throws
// RunError (FileNotFound, PathNotFound, PermissionDenied, PathFileAccess,
// InputPastEnd, TypeMismatch) for any file ValidateGameFile refuses, so
// nothing is ever half read.
GameFileContent readGameFile(const QString& path);
// The same from an open device, read up to the end of the 23rd line.
GameFileContent readGameFile(QIODevice& file);

// Replaces the file as a whole or not at all: on any failure it throws
// RunError (PermissionDenied, DiskFull, PathFileAccess, PathNotFound) and
// an existing file is left as it was.
void writeGameFile(const QString& path, const GameFileContent& content);

enum class Transfer { Read, Write };

// Read: fills content from the file. Write: writes content to the file.
// Returns true when the transfer is complete; a failure has then already
// been reported ("Error reading file." / "Error writing file.") and content
// is unchanged.
bool TransferGameFile(const QString& path, Transfer transfer, GameFileContent& content, Prompter& prompter,
                      QWidget* owner = nullptr);

} // namespace strhaven
