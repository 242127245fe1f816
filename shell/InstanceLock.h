#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace strhaven {

// The per-user lock that refuses a second instance of the game.
struct InstanceLock {
    enum class Outcome {
        Held,          // this run holds the lock
        OtherInstance, // a live process of the same user holds it
        OtherComputer, // a process on another computer holds it, or did
        Unavailable,   // no lock could be made here (a read-only or damaged config folder)
    };
    Outcome outcome = Outcome::Unavailable;
    std::unique_ptr<QLockFile> lock; // set when Held
    QString otherComputer;           // its name, for OtherComputer
};

// Only a lock held by a live process is another instance: any other failure
// to take it lets the game start, because refusing would keep the player
// out of a game that is not running anywhere.
InstanceLock lockSingleInstance();

// A lock another computer holds (a home folder shared between two, or one
// restored on a new computer, where the old computer's lock came along)
// cannot be told stale here: the player decides, and this takes it over.
InstanceLock takeOverInstanceLock();

} // namespace strhaven
