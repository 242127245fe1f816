#include "fakes/DialogSteps.h"
#include "fakes/WindowRig.h"
#include "fakes/FullDisk.h"
#include "seams/LocalFiles.h"
#include "fakes/ModalWatch.h"
#include "shell/StartUp.h"
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

    // Closing the window or the desktop session: the question (where the
    // session allows one), the save it may need, the settings kept; a
    // game that was not written stays on the machine. In the middle of a
    // spin, the spin is finished and booked first, then all goes on alike.
    void closing_data()
    {
        QTest::addColumn<QString>("how"); // and whether during a spin
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<QString>("saveTo"); // what the file dialog chooses
        QTest::addColumn<QString>("outcome");
        const int yes = int(Prompter::Answer::Yes), no = int(Prompter::Answer::No), cancel = int(Prompter::Answer::Cancel);
        QTest::newRow("unchanged") << "close" << false << -1 << "" << "ends, settings";
        QTest::newRow("changed, No") << "close" << true << no << "" << "asked, ends, settings";
        QTest::newRow("changed, Cancel") << "close" << true << cancel << "" << "asked, settings, kept";
        QTest::newRow("Yes, dialog cancelled") << "close" << true << yes << "" << "asked, kept";
        QTest::newRow("Yes, saved") << "close" << true << yes << "closing.shs" << "asked, ends, settings, saved";
        QTest::newRow("Yes, the write fails")
            << "close" << true << yes << "no such folder/closing.shs" << "asked, Error writing file., settings, kept";
        QTest::newRow("session, unchanged") << "session" << false << -1 << "" << "ends, settings";
        QTest::newRow("session, No") << "session" << true << no << "" << "asked, ends, settings";
        QTest::newRow("session, Cancel") << "session" << true << cancel << "" << "asked, settings, kept";
        QTest::newRow("session, no questions allowed") << "session, no questions" << true << -1 << "" << "ends, settings";
        QTest::newRow("close during a spin, No") << "close, spinning" << false << no << "" << "asked, ends, settings";
        QTest::newRow("close during a spin, saved")
            << "close, spinning" << false << yes << "closing.shs" << "asked, ends, settings, saved";
        QTest::newRow("session during a spin, Cancel") << "session, spinning" << false << cancel << "" << "asked, settings, kept";
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(QString, outcome);
        Rig rig;
        rig.start();
        rig.setOptions([](GameOptions& o) { o.wheelSpeed = 7; });
        rig.setCredits(0, changed);
        if (answer >= 0)
            rig.prompter.answers.push_back(Prompter::Answer(answer));
        rig.prompter.saveResults << (saveTo.isEmpty() ? QString() : rig.dir.filePath(saveTo));
        const bool spinning = how.endsWith(", spinning");
        if (spinning) {
            rig.setCredits(1, changed);
            QTest::mouseClick(rig.face().playButton(1), Qt::LeftButton, {}, QPoint(5, 5));
            for (int step = 0; step < 100; ++step)
                rig.timer.fire();
            how.chop(QString(", spinning").size());
        }
        const bool ends = how == "close" ? rig.window->close() : rig.window->sessionClosing(how == "session");
        if (how == "close")
            QCOMPARE(rig.window->isVisible(), !ends);
        if (spinning) {
            QVERIFY(!rig.timer.pending());
            QCOMPARE(rig.game().spins, 1);
            QCOMPARE(rig.game().credits, std::stoi(rig.game().wonShown));
            if (ends && !saveTo.isEmpty())
                QCOMPARE(readGameFile(rig.dir.filePath(saveTo)).game.spins, 1);
        }
        QStringList seen;
        for (const auto& m : rig.prompter.messages)
            seen << (m.buttons == Prompter::Buttons::YesNoCancel ? QString("asked") : m.title);
        if (ends)
            seen << "ends";
        if (rig.store()->value("Options/WheelSpeed").toString() == "7")
            seen << "settings";
        if (!saveTo.isEmpty() && QFile::exists(rig.dir.filePath(saveTo)) &&
            rig.store()->value("LastFile/Name") == rig.dir.filePath(saveTo))
            seen << "saved";
        if (!ends && rig.game().changed)
            seen << "kept";
        QCOMPARE(seen.join(", "), outcome);
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
        rig.start(path);
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

    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("placed");
        // Two screens side by side: 0..1919 and 1920..3199 (less a panel).
        QTest::newRow("on the first screen") << QRect(100, 60, 640, 468) << QPoint(100, 60);
        QTest::newRow("far away (a damaged position)") << QRect(6666666, 6666666, 640, 468) << QPoint(2560, 556);
        QTest::newRow("left of every screen") << QRect(-5000, 100, 640, 468) << QPoint(0, 100);
        QTest::newRow("hanging over the bottom") << QRect(300, 1000, 640, 468) << QPoint(300, 612);
        QTest::newRow("mostly on the second") << QRect(1800, 100, 640, 468) << QPoint(1920, 100);
        QTest::newRow("above the top") << QRect(2000, -900, 640, 468) << QPoint(2000, 0);
    }
    void keptOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, placed);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(strhaven::keptOnScreen(frame, screens), placed);
    }

    // Only where a compositor places every window does the window leave its
    // stored position alone.
    void canPlaceWindows_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("placed");
        for (const char* own : {"xcb", "offscreen", "windows", "cocoa", "minimal"})
            QTest::newRow(own) << QString(own) << true;
        for (const char* compositor : {"wayland", "wayland-egl", "wayland-xcomposite-glx"})
            QTest::newRow(compositor) << QString(compositor) << false;
    }
    void canPlaceWindows()
    {
        QFETCH(QString, platform);
        QFETCH(bool, placed);
        QCOMPARE(strhaven::canPlaceWindows(platform), placed);
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
