#pragma once

#include <QString>

namespace strhaven {

class GameDocument;
class Prompter;

// New, Open, Save and Save As on the one document, and the changed-game
// question that New and closing the window ask. Every command reports its
// failures under its own title; a cancelled file dialog stops it silently.
class GameMenu {
public:
    GameMenu(GameDocument& document, Prompter& prompter);

    void NewGame();
    void OpenGame();
    void SaveGame();
    void SaveGameAs();

    enum class Question { Yes, No, Cancel };
    // "The current game has changed." ... Yes, No or Cancel.
    Question askToSaveChanges();
    // Saves to the game's file, asking for one when the game is untitled.
    // False when the player cancelled the file dialog; a failed write has
    // been reported and counts as done.
    bool saveCurrentGame();

private:
    void titleFromPath(const QString& path);
    bool writeTo(const QString& path);

    GameDocument& m_document;
    Prompter& m_prompter;
};

} // namespace strhaven
