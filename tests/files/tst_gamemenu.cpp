#include "fakes/FakePrompter.h"
#include "core/Machine.h"
#include "files/GameFile.h"
#include "files/GameMenu.h"
#include "files/PathHelpers.h"
#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

namespace {

// The Game menu over a machine of its own, as the main window holds it: a
// new game wanted is started, a game replaced is counted.
struct Rig {
    FastRandom random{1};
    Machine machine{random};
    FakePrompter prompter;
    GameMenu menu{machine, prompter, nullptr};
    int newGames = 0;
    int replaced = 0;
    QStringList titles;

    Rig()
    {
        QObject::connect(&menu, &GameMenu::newGameWanted, [this] {
            ++newGames;
            machine.startNewGame(GameOptions{}, ReelGrid::defaultGrid());
            menu.setUntitled();
        });
        QObject::connect(&menu, &GameMenu::gameReplaced, [this] { ++replaced; });
        QObject::connect(&menu, &GameMenu::titleChanged, [this](const QString& t) { titles << t; });
        menu.setUntitled();
    }
    // A game of these credits, changed against its file or not.
    void setGame(int credits, bool changed)
    {
        SlotGame g;
        g.credits = credits;
        machine.takeGame(machine.options(), g, changed);
    }
};

using Answer = Prompter::Answer;

} // namespace

class TestGameMenu : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    // New Game: the question, its three answers, and the save it may need;
    // Save Game: the dialog only for an untitled game. A game that could
    // not be written is never thrown away.
    void newAndSave_data()
    {
        QTest::addColumn<bool>("save"); // Save Game, or else New Game
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<bool>("dialogChoosesFile");
        QTest::addColumn<QString>("done"); // boxes and dialogs shown, file written, games started
        const int yes = int(Answer::Yes);
        QTest::newRow("New, unchanged: no question") << false << false << false << -1 << false << "new game";
        QTest::newRow("New, changed, No") << false << true << false << int(Answer::No) << false << "asked, new game";
        QTest::newRow("New, changed, Cancel") << false << true << false << int(Answer::Cancel) << false << "asked, changed";
        QTest::newRow("New, untitled, Yes, dialog cancelled") << false << true << false << yes << false << "asked, Save Game, changed";
        QTest::newRow("New, untitled, Yes, saved") << false << true << false << yes << true << "asked, Save Game, written, new game";
        QTest::newRow("New, titled, Yes: no dialog") << false << true << true << yes << false << "asked, written, new game";
        QTest::newRow("New, titled, Yes, the write fails")
            << false << true << true << yes << false << "asked, Error writing file.: 76: Path not found, changed";
        QTest::newRow("Save, untitled") << true << true << false << -1 << true << "Save Game, written";
        QTest::newRow("Save, titled: no dialog") << true << true << true << -1 << false << "written";
        QTest::newRow("Save, titled, the write fails")
            << true << true << true << -1 << false << "Error writing file.: 76: Path not found, changed";
    }
    void newAndSave()
    {
        QFETCH(bool, save);
        QFETCH(bool, changed);
        QFETCH(bool, titled);
        QFETCH(int, answer);
        QFETCH(bool, dialogChoosesFile);
        QFETCH(QString, done);
        QTemporaryDir dir;
        const QString file = dir.filePath("game.shs");
        Rig rig;
        rig.setGame(5, changed);
        if (titled) { // a write expected to fail goes to a folder that is gone
            rig.menu.setFileName(done.contains("76:") ? dir.filePath("no such folder/game.shs") : file);
            rig.menu.adoptFile(rig.menu.fileName());
        }
        FakePrompter& prompter = rig.prompter;
        if (answer >= 0)
            prompter.answers.push_back(Answer(answer));
        if (dialogChoosesFile)
            prompter.saveResults.push_back(file);
        save ? rig.menu.saveGame() : rig.menu.newGame();
        QStringList seen;
        for (const auto& m : prompter.messages)
            seen << (m.buttons == Prompter::Buttons::YesNoCancel ? "asked" : m.title + ": " + m.text);
        if (answer >= 0)
            QCOMPARE(prompter.messages[0].text, QString("The current game has changed.\r\n\r\nDo you want to save the game?"));
        for (const auto& request : prompter.saveRequests)
            seen << request.title;
        if (QFile::exists(file))
            seen << "written";
        for (int i = 0; i < rig.newGames; ++i)
            seen << "new game";
        if (rig.machine.game().changed)
            seen << "changed";
        QCOMPARE(seen.join(", "), done);
        const bool ownFile = (titled || QFile::exists(file)) && !rig.newGames;
        QCOMPARE(rig.menu.hasFile(), ownFile);
        QCOMPARE(rig.titles.last(), ownFile ? QString("Star Haven Virtual Slots - game.shs")
                                            : QString("Star Haven Virtual Slots - [untitled]"));
        if (QFile::exists(file))
            QCOMPARE(readGameFile(file).game.credits, 5);
    }

    void openGame()
    {
        Rig rig;
        rig.setGame(42, true);
        const QString good = path("good.shs");
        rig.prompter.saveResults.push_back(good);
        rig.menu.saveGameAs();
        QCOMPARE(rig.prompter.saveRequests[0].title, QString("Save Game As"));
        QVERIFY(rig.menu.hasFile());
        QVERIFY(!rig.machine.game().changed);

        // A cancelled dialog, then a file that is not a game: nothing changes.
        QVERIFY(writeFile(path("bad.shs"), "not a game\r\n"));
        rig.setGame(7, true);
        rig.menu.openGame();
        rig.prompter.openResults.push_back(path("bad.shs"));
        rig.menu.openGame();
        QCOMPARE(rig.prompter.openRequests.size(), 2);
        QCOMPARE(rig.prompter.openRequests[0].title, QString("Open Game"));
        QCOMPARE(rig.prompter.texts(), QStringList{"Not a valid Star Haven game file."});
        QCOMPARE(rig.menu.fileName(), good);
        QCOMPARE(rig.replaced, 0);
        QCOMPARE(rig.machine.game().credits, 7);

        // A valid file replaces a changed game without a question.
        rig.prompter.openResults.push_back(good);
        rig.menu.openGame();
        QCOMPARE(rig.replaced, 1);
        QCOMPARE(rig.machine.game().credits, 42);
        QVERIFY(!rig.machine.game().changed);
        QCOMPARE(rig.menu.folder(), m_dir.path() + '/');
        QCOMPARE(rig.prompter.messages.size(), 1);
    }
};

QTEST_MAIN(TestGameMenu)
#include "tst_gamemenu.moc"
