#pragma once

#include "core/GameOptions.h"
#include "core/SlotGame.h"

#include <QString>

#include <memory>

namespace strhaven {

// The journal of the changed game: after every booked change the game goes
// to the kept game beside the settings (see KeptGame), replaced whole and
// never over the game's own file, so that a kill, a crash, a power cut or a
// lost display loses at most the operation in flight. The file is written
// on a thread of its own: a disk that takes its time to flush never holds
// up the game.
class GameJournal {
public:
    explicit GameJournal(QString path);
    // Waits until what was asked of the disk is there.
    ~GameJournal();
    GameJournal(const GameJournal&) = delete;
    GameJournal& operator=(const GameJournal&) = delete;

    // The game as it stands now: kept while it has changed against its
    // file. Once unchanged, what this journal kept goes; a kept game it did
    // not write (the last run's, not yet answered) stays.
    void record(const GameOptions& options, const SlotGame& game, const QString& gameFile);
    // The player let the game go: nothing is kept, whoever wrote it.
    void discard();
    // Returns once everything asked of the disk so far is done.
    void flush();

    const QString& path() const { return m_path; }

private:
    class Writer;
    QString m_path;
    std::unique_ptr<Writer> m_writer;
    QByteArray m_recorded; // what was last asked to be kept
    bool m_keeps = false;  // the file is this run's journal
};

} // namespace strhaven
