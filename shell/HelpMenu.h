#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace strhaven {

class DocumentOpener;
class HelpViewer;
class Prompter;

// The Help menu's commands: the help book's contents, the shortcut chart,
// the readme, the maker's pages and the About box. Each runs under one error
// trap that reports a failure under the command's own title.
class HelpMenu {
    Q_DECLARE_TR_FUNCTIONS(HelpMenu)

public:
    struct Parts {
        Prompter& prompter;
        HelpViewer& help;
        DocumentOpener& opener;
        QWidget* window;                    // the main window: owner of every box
        QString folder;                     // the program's folder: readme.txt, web/
        std::function<void()> showShortcuts; // ShortcutChart, modally
        std::function<void()> showAbout;     // AboutDialog, modally
    };

    // The maker's pages, in the order of the web submenu.
    enum WebPage { GamingProducts, Bookstore, HomePage };

    explicit HelpMenu(Parts parts);

    void helpTopics();
    void keyboardShortcuts();
    void readmeFile();
    void webPage(int index);
    void about();

    // The menu top to bottom, for the window to build: an entry without a
    // caption is a separator, one without a command opens the web submenu.
    struct Entry {
        QString caption;
        QKeySequence shortcut;
        std::function<void(HelpMenu&)> command;
    };
    static std::vector<Entry> menuEntries();
    static std::vector<Entry> webEntries();

private:
    void open(const QString& target);
    void exclaim(const QString& text);

    Parts m_p;
};

} // namespace strhaven
