#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace strhaven {

class Machine;
class Prompter;

// New, Open, Save and Save As on the machine's one game, and the
// changed-game question that New and closing the window ask. It keeps the
// game's file: whether there is one (the title names it), the path Save
// writes to, and the folder the next file dialog opens in. Every command
// reports its failures under its own title; a cancelled file dialog stops
// it silently.
class GameMenu : public QObject {
    Q_OBJECT

public:
    GameMenu(Machine& machine, Prompter& prompter, QWidget* window);

    void newGame();
    void openGame();
    void saveGame();
    void saveGameAs();

    enum class Question { Yes, No, Cancel };
    // "The current game has changed." ... Yes, No or Cancel.
    Question askToSaveChanges();

    enum class Saving { Saved, Cancelled, Failed };
    // Saves to the game's file, asking for one when the game is untitled.
    // A failed write has been reported; whoever asked for the save must then
    // keep the game (no new game, no close), or the player loses it.
    Saving saveCurrentGame();

    // The game belongs to this file from now on: titled after it, the next
    // dialog opening in its folder. Kept apart from the title: a file may
    // well be called "[untitled]".
    void adoptFile(const QString& path);
    // The game has no file (the dialog's file name may still hold one).
    void setUntitled();
    bool hasFile() const { return m_hasFile; }

    // The file dialog's file name: the path Save writes to.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& path) { m_fileName = path; }
    // Where the next file dialog opens.
    QString folder() const { return m_folder; }
    void setFolder(const QString& folder) { m_folder = folder; }

signals:
    void titleChanged(const QString& title);
    // A game read from a file is on the machine now.
    void gameReplaced();
    // The game has been written to its file, and is unchanged against it.
    void gameSaved();
    // The player wants a new game (after any question and save).
    void newGameWanted();

private:
    bool writeTo(const QString& path);

    Machine& m_machine;
    Prompter& m_prompter;
    QWidget* m_window;
    QString m_fileName;
    QString m_folder;
    bool m_hasFile = false;
};

} // namespace strhaven
