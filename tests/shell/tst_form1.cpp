#include "FormRig.h"
#include "StartUp.h"
#include "WindowPlacement.h"

#include <QDir>
#include <QLockFile>
#include <QScreen>

#include <sys/stat.h>

using namespace strhaven;

namespace {

using Rig = FormRig;

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void firstStartFromAnEmptyStore()
    {
        Rig rig;
        rig.start();
        QCOMPARE(rig.form->windowTitle(), QString("Star Haven Virtual Slots - [untitled]"));
        QVERIFY(rig.prompter.messages.isEmpty());
        QCOMPARE(rig.form->game().Grid, ReelGrid::defaultGrid());
        QCOMPARE(rig.form->face().denominationShown(), 100);
        QCOMPARE(rig.panel(), QString("shown 640 0"));
        QCOMPARE(rig.store()->value("Window/FirstTime").toString(), QString("False"));
    }

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
        rig.form->Form_Load(); // a new game
        QCOMPARE(rig.desktop.steps.join(','), steps);
        QCOMPARE(rig.store()->value("Window/FirstTime").toString(), QString("False"));
    }

    // Every item of both menus with its shortcut, in order; the file
    // commands' failures reported under their own titles.
    void menus()
    {
        Rig rig;
        rig.start();
        auto describe = [](QMenu* menu) {
            QStringList items;
            for (QAction* a : menu->actions()) {
                QString item = a->isSeparator() ? "-" : a->text();
                if (!a->shortcut().isEmpty())
                    item += " " + a->shortcut().toString();
                if (a->menu())
                    item += " [" + QStringList([&] {
                        QStringList sub;
                        for (QAction* s : a->menu()->actions())
                            sub << s->text();
                        return sub;
                    }()).join(", ") + "]";
                items << item;
            }
            return items.join(" | ");
        };
        QCOMPARE(rig.form->gameMenu()->title(), QString("&Game"));
        QCOMPARE(describe(rig.form->gameMenu()),
                 QString("&New Game Ctrl+N | &Open Game Ctrl+O | - | &Save Game Ctrl+S | Save Game &As | - | "
                         "Current &Games Statistics Ctrl+G | Game O&ptions | &Configure Cash Out Button | - | "
                         "&Hide Payouts Panel Ctrl+H | - | E&xit"));
        QCOMPARE(rig.form->helpMenu()->title(), QString("&Help"));
        QCOMPARE(describe(rig.form->helpMenu()),
                 QString("Help &Topics | &Keyboard Shortcuts Ctrl+K | &Readme File | - | Quillfern on the &Web "
                         "[&Gaming Products Page, Quillfern &Bookstore, Quillfern &Home Page] | - | "
                         "&About Star Haven..."));
        QVERIFY(rig.form->hidePanelAction()->isCheckable());

        rig.prompter.failFileDialogs = true;
        rig.form->game().GameChanged = true;
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
        rig.form->hidePanelAction()->trigger();
        QCOMPARE(rig.panel(), QString("shown 640 0"));
        rig.form->hidePanelAction()->trigger();
        QCOMPARE(rig.panel(), QString("hidden 370 -270"));
        // Loading again brings the panel in line with the stored setting.
        rig.set("Window/Payouts", "False");
        rig.form->Form_Load();
        QCOMPARE(rig.panel(), QString("shown 640 0"));
    }

    void startsOnDollarAfterBigMachines()
    {
        Rig rig;
        rig.set("Options/Machine", "0.2");
        rig.start();
        QCOMPARE(rig.form->face().denominationShown(), 100);
        QVERIFY(rig.form->face().billSlot(5)->isEnabled());
        // A Five Dollars game opened from a file shuts the $5 slot; a new
        // game after it opens it again.
        rig.prompter.openResults.push_back(rig.saveGameFile("five.shs", 0.2f));
        rig.form->gameMenuCommands().OpenGame();
        QCOMPARE(rig.form->face().denominationShown(), 500);
        QVERIFY(!rig.form->face().billSlot(5)->isEnabled());
        rig.form->game().GameChanged = false;
        rig.form->gameMenuCommands().NewGame();
        QCOMPARE(rig.form->face().denominationShown(), 100);
        QVERIFY(rig.form->face().billSlot(5)->isEnabled());
        QVERIFY(rig.form->face().billSlot(5)->isTransparent());
    }

    void startupGame_data()
    {
        QTest::addColumn<QString>("commandLine"); // "@good" a valid game, "@missing" none
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<int>("loadLast");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("refused");
        QTest::newRow("command line opens even with LoadLastFile off")
            << "@good" << "" << 0 << "Star Haven Virtual Slots - my game.shs" << false;
        QTest::newRow("missing file named") << "@missing" << "" << 1 << "Star Haven Virtual Slots - [untitled]" << true;
        QTest::newRow("last file") << "" << "@good" << 1 << "Star Haven Virtual Slots - my game.shs" << false;
        QTest::newRow("last file, LoadLastFile off") << "" << "@good" << 0 << "Star Haven Virtual Slots - [untitled]" << false;
        QTest::newRow("no last file: no message") << "" << "" << 1 << "Star Haven Virtual Slots - [untitled]" << false;
        QTest::newRow("relative path") << "@relative" << "" << 1 << "Star Haven Virtual Slots - my game.shs" << false;
        QTest::newRow("damaged file") << "@damaged" << "" << 1 << "Star Haven Virtual Slots - [untitled]" << true;
        QTest::newRow("a pipe, not a file") << "@pipe" << "" << 1 << "Star Haven Virtual Slots - [untitled]" << true;
    }
    void startupGame()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, lastFile);
        QFETCH(int, loadLast);
        QFETCH(QString, title);
        QFETCH(bool, refused);
        Rig rig;
        const QString good = rig.saveGameFile("my game.shs", 4.0f);
        QString missing = rig.dir.filePath("gone.shs");
        QFile damaged(rig.dir.filePath("damaged.shs"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray("5\r\n").repeated(22)); // one line short
        damaged.close();
        QVERIFY(mkfifo(QFile::encodeName(rig.dir.filePath("pipe.shs")).constData(), 0600) == 0);
        if (commandLine == "@damaged" || commandLine == "@pipe")
            missing = rig.dir.filePath(commandLine.mid(1) + ".shs");
        const QString before = QDir::currentPath();
        QDir::setCurrent(rig.dir.path());
        auto resolve = [&](QString s) {
            return s.replace("@good", good).replace("@missing", missing).replace("@relative", "my game.shs")
                .replace("@damaged", missing).replace("@pipe", missing);
        };
        rig.set("LastFile/Name", resolve(lastFile));
        rig.set("Options/LoadLastFile", QString::number(loadLast));
        rig.start(resolve(commandLine));
        QDir::setCurrent(before);
        QCOMPARE(rig.form->windowTitle(), title);
        if (refused) {
            QCOMPARE(rig.prompter.texts(),
                     QStringList{missing + "\r\n\r\nFile not found or file is not a valid game file."});
            QCOMPARE(rig.form->dialogFileName(), QString());
        } else {
            QVERIFY(rig.prompter.messages.isEmpty());
        }
        if (title.endsWith("my game.shs")) {
            QCOMPARE(rig.form->game().Credits, 77);
            QCOMPARE(rig.form->face().denominationShown(), 25);
            QCOMPARE(rig.form->dialogFileName(), good); // absolute, so the next start finds it from anywhere
        } else {
            QCOMPARE(rig.form->game().Credits, 0);
        }
    }

    void closing_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved"); // the file dialog chooses a file and the game is written
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("settingsSaved");
        QTest::newRow("unchanged") << false << -1 << false << true << true;
        QTest::newRow("changed, No") << true << int(Prompter::Answer::No) << false << true << true;
        QTest::newRow("changed, Cancel") << true << int(Prompter::Answer::Cancel) << false << false << true;
        QTest::newRow("Yes, dialog cancelled") << true << int(Prompter::Answer::Yes) << false << false << false;
        QTest::newRow("Yes, saved") << true << int(Prompter::Answer::Yes) << true << true << true;
        QTest::newRow("Yes, the write fails") << true << int(Prompter::Answer::Yes) << false << false << true;
    }
    void closing()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, closes);
        QFETCH(bool, settingsSaved);
        Rig rig;
        rig.start();
        rig.form->game().GameChanged = changed;
        rig.form->options().WheelSpeed = 7;
        if (answer >= 0)
            rig.prompter.answers.push_back(Prompter::Answer(answer));
        const QString file = rig.dir.filePath("closing.shs");
        const bool writeFails = answer == int(Prompter::Answer::Yes) && !saved && !closes && settingsSaved;
        if (saved)
            rig.prompter.saveResults.push_back(file);
        if (writeFails)
            rig.prompter.saveResults.push_back(rig.dir.filePath("no such folder/closing.shs"));
        QCOMPARE(rig.form->close(), closes);
        if (writeFails) {
            QCOMPARE(rig.prompter.messages.size(), 2); // the question, then "Error writing file."
            QCOMPARE(rig.prompter.messages.last().title, QString("Error writing file."));
            QVERIFY(rig.form->game().GameChanged); // the game stays on the machine
            return;
        }
        QCOMPARE(rig.form->isVisible(), !closes);
        QCOMPARE(rig.store()->value("Options/WheelSpeed").toString(), settingsSaved ? QString("7") : QString());
        QCOMPARE(QFile::exists(file), saved);
        if (saved)
            QCOMPARE(rig.store()->value("LastFile/Name").toString(), file);
        QCOMPARE(rig.prompter.messages.size(), answer >= 0 ? 1 : 0);
    }

    void oneInstancePerUser()
    {
        using Outcome = InstanceLock::Outcome;
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        auto first = lockSingleInstance();
        QCOMPARE(first.outcome, Outcome::Held);
        QCOMPARE(lockSingleInstance().outcome, Outcome::OtherInstance);
        first.lock.reset();
        QCOMPARE(lockSingleInstance().outcome, Outcome::Held);
        // A config folder that cannot hold a lock is no other instance.
        QFile blocker(home.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", blocker.fileName().toLocal8Bit());
        QCOMPARE(lockSingleInstance().outcome, Outcome::Unavailable);
        QVERIFY(!settingsCanBeKept(blocker.fileName() + "/Star Haven Virtual Slots.ini"));
        QVERIFY(settingsCanBeKept(home.filePath("Star Haven Virtual Slots.ini")));
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A closing desktop session: the question only where the session allows
    // one; settings saved; a Cancel asks the session to stop.
    void sessionEnding_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("mayAsk");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("questions");
        QTest::newRow("unchanged") << false << true << -1 << true << 0;
        QTest::newRow("changed, No") << true << true << int(Prompter::Answer::No) << true << 1;
        QTest::newRow("changed, Cancel") << true << true << int(Prompter::Answer::Cancel) << false << 1;
        QTest::newRow("changed, no questions allowed") << true << false << -1 << true << 0;
    }
    void sessionEnding()
    {
        QFETCH(bool, changed);
        QFETCH(bool, mayAsk);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(int, questions);
        Rig rig;
        rig.start();
        rig.form->game().GameChanged = changed;
        rig.form->options().WheelSpeed = 9;
        if (answer >= 0)
            rig.prompter.answers.push_back(Prompter::Answer(answer));
        QCOMPARE(rig.form->sessionClosing(mayAsk), goesOn);
        QCOMPARE(rig.prompter.messages.size(), questions);
        QCOMPARE(rig.store()->value("Options/WheelSpeed").toString(), QString("9"));
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

    void storedPositionOffEveryScreen()
    {
        Rig rig;
        rig.set("Window/Left", "99999990");
        rig.set("Window/Top", "-99999990");
        rig.start();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(rig.form->frameGeometry().topLeft()), qPrintable(QString("at %1,%2").arg(rig.form->x()).arg(rig.form->y())));
    }

    // The machine works on the window's game and options: it must be gone
    // before they are, while the window is still whole.
    void machineGoesBeforeTheWindowsMembers()
    {
        Rig rig;
        rig.start();
        bool windowWhole = false;
        Form1* form = rig.form.get();
        connect(&rig.form->machine(), &QObject::destroyed, this,
                [&windowWhole, form] { windowWhole = qobject_cast<Form1*>(form) != nullptr; });
        rig.form.reset();
        QVERIFY(windowWhole);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
