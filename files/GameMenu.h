#pragma once

#include <QCoreApplication>
#include <QString>

namespace strhaven {

class GameDocument;
class Prompter;

// New, Open, Save and Save As on the one document, and the changed-game
// question that New and closing the window ask. Every command reports its
// failures under its own title; a cancelled file dialog stops it silently.
class GameMenu {
    Q_DECLARE_TR_FUNCTIONS(GameMenu)

public:
    GameMenu(GameDocument& document, Prompter& prompter);

    void NewGame();
    void OpenGame();
    void SaveGame();
    void SaveGameAs();

    enum class Question { Yes, No, Cancel };
    // "The current game has changed." ... Yes, No or Cancel.
    Question askToSaveChanges();

    enum class Saving { Saved, Cancelled, Failed };
    // Saves to the game's file, asking for one when the game is untitled.
    // A failed write has been reported; whoever asked for the save must then
    // keep the game (no new game, no close), or the player loses it.
    Saving saveCurrentGame();

private:
    void adoptFile(const QString& path);
    bool writeTo(const QString& path);

    GameDocument& m_document;
    Prompter& m_prompter;
};

} // namespace strhaven
