#include "fakes/DialogSteps.h"
#include "fakes/WindowRig.h"
#include "fakes/FullDisk.h"
#include "seams/LocalFiles.h"
#include "fakes/ModalWatch.h"
#include "fakes/TestFiles.h"
#include "files/WindowTitle.h"
#include "shell/WindowPlacement.h"

#include <QDir>
#include <QLockFile>
#include <QScreen>

#include <sys/stat.h>

using namespace strhaven;

namespace {

using Rig = WindowRig;

// A menu's items in order, each with its shortcut, a submenu's in brackets.
QString describe(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions())
        items << (a->isSeparator() ? "-" : a->text()) + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString()) +
                     (a->menu() ? " [" + describe(a->menu()) + "]" : "");
    return items.join(" | ");
}

} // namespace

class TestMachineWindow : public QObject {
    Q_OBJECT
private slots:
    // Only the first run for a user registers with the desktop: the uninstall
    // log first, then the file type, and then never again.
    void firstRunRegistersOnce_data()
    {
        QTest::addColumn<QString>("stored"); // Window/FirstTime before the start
        QTest::addColumn<QString>("steps");
        QTest::newRow("first run") << "" << "uninstall log,file type";
        QTest::newRow("True") << "True" << "uninstall log,file type";
        QTest::newRow("later runs") << "False" << "";
    }
    void firstRunRegistersOnce()
    {
        QFETCH(QString, stored);
        QFETCH(QString, steps);
        Rig rig;
        if (!stored.isEmpty())
            rig.set("Window/FirstTime", stored);
        rig.start();
        rig.window->startNewGame(); // a new game
        QCOMPARE(rig.desktop.steps.join(','), steps);
        QCOMPARE(rig.store()->value("Window/FirstTime").toString(), QString("False"));
        QCOMPARE(rig.game().grid, ReelGrid::defaultGrid());
    }

    // Every item of both menus with its shortcut, in order; the file
    // commands' failures reported under their own titles.
    void menus()
    {
        Rig rig;
        rig.start();
        QCOMPARE(rig.window->gameMenu()->title(), QString("&Game"));
        QCOMPARE(describe(rig.window->gameMenu()),
                 QString("&New Game Ctrl+N | &Open Game Ctrl+O | - | &Save Game Ctrl+S | Save Game &As | - | "
                         "Current &Games Statistics Ctrl+G | Game O&ptions | &Configure Cash Out Button | - | "
                         "&Hide Payouts Panel Ctrl+H | - | E&xit"));
        QCOMPARE(rig.window->helpMenu()->title(), QString("&Help"));
        QCOMPARE(describe(rig.window->helpMenu()),
                 QString("Help &Topics | &Keyboard Shortcuts Ctrl+K | &Readme File | - | Quillfern on the &Web "
                         "[&Gaming Products Page | Quillfern &Bookstore | Quillfern &Home Page] | - | "
                         "&About Star Haven..."));
        QVERIFY(rig.window->hidePanelAction()->isCheckable());

        rig.prompter.failFileDialogs = true;
        rig.setCredits(0, true);
        rig.prompter.answers.push_back(Prompter::Answer::Yes);
        for (const char* item : {"&Open Game", "&Save Game", "Save Game &As", "&New Game"})
            rig.gameAction(item)->trigger();
        QStringList titles;
        for (const auto& m : rig.prompter.messages)
            if (m.text.startsWith("75: "))
                titles << m.title;
        QCOMPARE(titles, QStringList({"Error opening game.", "Error saving game.", "Error saving new game.",
                                      "Error starting new game."}));
    }

    void panelToggles()
    {
        Rig rig;
        rig.set("Window/Payouts", "True");
        rig.start();
        QCOMPARE(rig.panel(), QString("hidden 370 -270"));
        rig.window->hidePanelAction()->trigger();
        QCOMPARE(rig.panel(), QString("shown 640 0"));
        rig.window->hidePanelAction()->trigger();
        QCOMPARE(rig.panel(), QString("hidden 370 -270"));
        // Loading again brings the panel in line with the stored setting.
        rig.set("Window/Payouts", "False");
        rig.window->startNewGame();
        QCOMPARE(rig.panel(), QString("shown 640 0"));
    }

    void startsOnDollarAfterBigMachines()
    {
        Rig rig;
        rig.set("Options/Machine", "0.2");
        rig.start();
        QCOMPARE(rig.window->face().denominationShown(), 100);
        QVERIFY(rig.window->face().billSlot(5)->isEnabled());
        // A Five Dollars game opened from a file shuts the $5 slot; a new
        // game after it opens it again.
        rig.prompter.openResults.push_back(rig.saveGameFile("five.shs", 0.2f));
        rig.window->gameMenuCommands().openGame();
        QCOMPARE(rig.window->face().denominationShown(), 500);
        QVERIFY(!rig.window->face().billSlot(5)->isEnabled());
        rig.window->gameMenuCommands().newGame();
        QCOMPARE(rig.window->face().denominationShown(), 100);
        QVERIFY(rig.window->face().billSlot(5)->isEnabled());
        QVERIFY(rig.window->face().billSlot(5)->isTransparent());
    }

    // "@" is the folder the start runs in.
    void startupGame_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<int>("loadLast");
        QTest::addColumn<QString>("outcome"); // opened, untitled, or the command line's file refused
        QTest::newRow("command line opens even with LoadLastFile off") << "@my game.shs" << "" << 0 << "opened";
        QTest::newRow("missing file named") << "@gone.shs" << "" << 1 << "refused";
        QTest::newRow("last file") << "" << "@my game.shs" << 1 << "opened";
        QTest::newRow("last file, LoadLastFile off") << "" << "@my game.shs" << 0 << "untitled";
        QTest::newRow("no last file: no message") << "" << "" << 1 << "untitled";
        QTest::newRow("relative path") << "my game.shs" << "" << 1 << "opened";
        QTest::newRow("damaged file") << "@damaged.shs" << "" << 1 << "refused";
        QTest::newRow("a pipe, not a file") << "@pipe.shs" << "" << 1 << "refused";
    }
    void startupGame()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, lastFile);
        QFETCH(int, loadLast);
        QFETCH(QString, outcome);
        Rig rig;
        const QString good = rig.saveGameFile("my game.shs", 4.0f);
        QVERIFY(writeFile(rig.dir.filePath("damaged.shs"), QByteArray("5\r\n").repeated(22))); // one line short
        QVERIFY(mkfifo(QFile::encodeName(rig.dir.filePath("pipe.shs")).constData(), 0600) == 0);
        const auto at = [&](const QString& s) { return s.startsWith('@') ? rig.dir.filePath(s.mid(1)) : s; };
        rig.set("LastFile/Name", at(lastFile));
        rig.set("Options/LoadLastFile", QString::number(loadLast));
        const QString before = QDir::currentPath();
        QDir::setCurrent(rig.dir.path());
        rig.start(at(commandLine));
        QDir::setCurrent(before);
        const bool opened = outcome == "opened";
        QCOMPARE(rig.window->windowTitle(), opened ? QString("Star Haven Virtual Slots - my game.shs") : untitledTitle());
        QCOMPARE(rig.prompter.texts(), outcome != "refused" ? QStringList()
                 : QStringList{at(commandLine) + "\r\n\r\nFile not found or file is not a valid game file."});
        // Absolute, so that the next start finds it from anywhere.
        if (outcome != "untitled")
            QCOMPARE(rig.window->gameMenuCommands().fileName(), opened ? good : QString());
        QCOMPARE(rig.game().credits, opened ? 77 : 0);
        QCOMPARE(rig.face().denominationShown(), opened ? 25 : 100);
    }

    // Any name a game file can have on the command line opens, is titled
    // as itself and is saved again without the Save dialog.
    void namesOnTheCommandLine_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("named like no file") << QByteArray("[untitled]") << "Star Haven Virtual Slots - [untitled]";
        QTest::newRow("a backslash") << QByteArray("back\\slash.shs") << "Star Haven Virtual Slots - back\\slash.shs";
        QTest::newRow("not UTF-8") << QByteArray("caf\xe9.shs") << QString::fromUtf8("Star Haven Virtual Slots - caf\uFFFD.shs");
        QTest::newRow("not UTF-8, from the current folder")
            << QByteArray("./bad\xff\xfe.shs") << QString::fromUtf8("Star Haven Virtual Slots - bad\uFFFD\uFFFD.shs");
        QTest::newRow("like an option of the toolkit") << QByteArray("-reverse") << "Star Haven Virtual Slots - -reverse";
    }
    void namesOnTheCommandLine()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, title);
        Rig rig;
        const QString path = pathFromNative(QFile::encodeName(rig.dir.path()) + '/' + name);
        GameFileContent c;
        c.game.credits = 77;
        writeGameFile(path, c);
        const QString before = QDir::currentPath();
        QDir::setCurrent(rig.dir.path());
        rig.start(name.startsWith("./") ? pathFromNative(name) : path);
        QDir::setCurrent(before);
        QCOMPARE(rig.window->windowTitle(), title);
        QCOMPARE(rig.game().credits, 77);
        rig.click(rig.face().billSlot(5));
        rig.gameAction("&Save Game")->trigger();
        QCOMPARE(rig.prompter.saveRequests.size(), 0);
        QCOMPARE(readGameFile(path).game.credits, 82);
        QVERIFY(!rig.game().changed);
        // Kept as the last file, and opened again from there by the next run,
        // which reads the store from the disk (not this process's copy).
        QVERIFY(rig.window->close());
        Rig next;
        QVERIFY(writeFile(next.ini(), readFile(rig.ini())));
        next.start();
        QCOMPARE(next.window->windowTitle(), title);
        QCOMPARE(next.prompter.messages.size(), 0);
    }

    // Settings start-up found it cannot keep: no first-run registration
    // (its mark could not be stored, so it would run at every start), and
    // the close neither writes nor says anything more.
    void settingsThatCannotBeKept()
    {
        Rig rig;
        rig.settingsKept = false;
        rig.start();
        rig.setOptions([](GameOptions& o) { o.wheelSpeed = 7; });
        rig.setCredits(0);
        QVERIFY(rig.window->close());
        QCOMPARE(rig.desktop.steps, QStringList());
        QVERIFY(!QFile::exists(rig.ini()));
        QCOMPARE(rig.prompter.messages.size(), 0);
    }

    // A save that fails for want of room says so, leaves the file as it was
    // and the game changed; closing then keeps the game on the machine.
    void saveToAFullDisk()
    {
        FullDisk disk;
        STRHAVEN_NEED_FULL_DISK(disk);
        Rig rig;
        const QString path = disk.filePath("game.shs");
        GameFileContent c;
        c.game.credits = 500;
        writeGameFile(path, c);
        const QByteArray before = readFile(path);
        rig.start(path);
        rig.click(rig.face().billSlot(10));
        disk.fill();
        rig.gameAction("&Save Game")->trigger();
        rig.prompter.answers = {Prompter::Answer::Yes};
        QVERIFY(!rig.window->close());
        QCOMPARE(rig.prompter.boxes(),
                 QStringList({"Exclamation Ok, Error writing file.: 61: Disk full",
                              "Question YesNoCancel, Star Haven Virtual Slots: The current game has changed.\r\n\r\n"
                              "Do you want to save the game?",
                              "Exclamation Ok, Error writing file.: 61: Disk full"}));
        QCOMPARE(readFile(path), before);
        QVERIFY(rig.game().changed);
        QCOMPARE(rig.game().credits, 510);
    }

    // What the dialogs chose is on the machine and its face at once: the
    // credits converted, the denomination's coin, the Cash Out choice.
    void dialogsChoicesInForce()
    {
        Rig rig;
        rig.start();
        rig.click(rig.face().billSlot(10));
        whenShown<QDialog>(rig.window.get(), [](QDialog* d) { playSteps(*d, "optNickel OK"); });
        rig.gameAction("Game O&ptions")->trigger();
        QCOMPARE(rig.face().creditsLabel()->text(), QString(" 200"));
        QCOMPARE(rig.face().denominationShown(), 5);
        whenShown<QDialog>(rig.window.get(), [](QDialog* d) { playSteps(*d, "optNewGame OK"); });
        rig.gameAction("&Configure Cash Out Button")->trigger();
        QVERIFY(rig.window->machine().options().cashOut == CashOutAction::NewGame);
        QCOMPARE(rig.store()->value("CashOut/CashOut").toString(), QString("New"));
        QCOMPARE(rig.store()->value("Options/Machine").toString(), QString("20"));
    }

    // A settings store that cannot be written is reported for the dialog
    // that saves it, each under its own title, once it has closed.
    void settingsSaveFailures_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("box");
        QTest::newRow("Game Options") << "Game O&ptions" << "Exclamation Ok, Error setting options.: 70: Permission denied";
        QTest::newRow("Configure Cash Out Button")
            << "&Configure Cash Out Button" << "Exclamation Ok, Error configuring button: 70: Permission denied";
    }
    void settingsSaveFailures()
    {
        QFETCH(QString, item);
        QFETCH(QString, box);
        Rig rig;
        QVERIFY(QDir().mkpath(rig.ini())); // a folder where the store should be
        rig.start();
        bool closedFirst = false;
        whenShown<QDialog>(rig.window.get(), [&](QDialog* d) {
            playSteps(*d, "OK");
            closedFirst = !d->isVisible() && rig.prompter.messages.isEmpty();
        });
        rig.gameAction(item)->trigger();
        QVERIFY(closedFirst);
        QCOMPARE(rig.prompter.boxes(), QStringList{box});
        QVERIFY(rig.game().changed);
    }

    void storedPositionOffEveryScreen()
    {
        Rig rig;
        rig.set("Window/Left", "99999990");
        rig.set("Window/Top", "-99999990");
        rig.start();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(rig.window->frameGeometry().topLeft()), qPrintable(QString("at %1,%2").arg(rig.window->x()).arg(rig.window->y())));
    }

    // The operator works on the window's machine and sound: it must be gone
    // before they are, while the window is still whole.
    void machineGoesBeforeTheWindowsMembers()
    {
        Rig rig;
        rig.start();
        bool windowWhole = false;
        MachineWindow* window = rig.window.get();
        connect(&rig.window->machineOperator(), &QObject::destroyed, this,
                [&windowWhole, window] { windowWhole = qobject_cast<MachineWindow*>(window) != nullptr; });
        rig.window.reset();
        QVERIFY(windowWhole);
    }
};

QTEST_MAIN(TestMachineWindow)
#include "tst_machinewindow.moc"
