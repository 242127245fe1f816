#pragma once

#include "files/GameFile.h"

#include <QString>

class QWidget;

namespace strhaven {

// The one document, as the Game menu sees it: the main window holds it. The
// game either has a file, which the window title names, or is untitled; the
// file dialog's file name is the path Save writes to and its folder is where
// the next dialog opens.
class GameDocument {
public:
    virtual ~GameDocument() = default;

    virtual QWidget* documentWindow() = 0;
    // Whether Save can write without asking. Kept apart from the title: a
    // file may well be called "[untitled]".
    virtual bool hasDocumentFile() const = 0;
    // The game now belongs to this file (titled after it), or with an empty
    // path to none (untitled).
    virtual void setDocumentFile(const QString& path) = 0;
    virtual QString dialogFileName() const = 0;
    virtual void setDialogFileName(const QString& path) = 0;
    virtual QString dialogFolder() const = 0;
    virtual void setDialogFolder(const QString& folder) = 0;

    virtual bool gameChanged() const = 0;
    virtual void setGameChanged(bool changed) = 0;
    // The game as a file would hold it, and a game read from a file put in
    // force (options, counters, displays, symbols, denomination, wheels).
    virtual GameFileContent documentContent() const = 0;
    virtual void putInForce(const GameFileContent& content) = 0;

    // Runs the start-up initialisation again: a new, untitled game.
    virtual void startNewGame() = 0;
};

} // namespace strhaven
