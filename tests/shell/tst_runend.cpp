#include "fakes/DialogSteps.h"
#include "fakes/ModalWatch.h"
#include "fakes/WindowRig.h"
#include "files/KeptGame.h"
#include "fakes/TestFiles.h"
#include "files/WindowTitle.h"

#include <QFile>

using namespace strhaven;

namespace {

using Answer = Prompter::Answer;

// A titled game of 500 credits with 10 more counted on, so that it has
// changed against its file; a quick wheel and no sound.
struct Rig : WindowRig {
    QString gameFile;
    QByteArray fileBytes;

    // Past the first run, with no box shown yet.
    void startPlaying()
    {
        set("Window/FirstTime", "False");
        GameFileContent c;
        c.game.credits = 500;
        c.options.sound = 0;
        c.options.wheelSpeed = 0;
        gameFile = dir.filePath("my game.shs");
        writeGameFile(gameFile, c);
        fileBytes = readFile(gameFile);
        start(gameFile);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        click(face().billSlot(10));
        QCOMPARE(game().credits, 510);
        prompter.messages.clear();
    }
    // The next run of the game over the same folder, the player answering
    // the kept game's question (if one comes) with `answer`.
    void startAgain(Answer answer)
    {
        window.reset();
        prompter.messages.clear();
        prompter.answers = {answer};
        start();
    }
    QString keptGamePath() const { return dir.filePath("Star Haven Virtual Slots recovery.shs"); }
    QStringList questions() const
    {
        QStringList all;
        for (const auto& m : prompter.messages)
            all << (m.buttons == Prompter::Buttons::Ok ? m.title : QStringLiteral("question"));
        return all;
    }
};

} // namespace

class TestRunEnd : public QObject {
    Q_OBJECT
private slots:
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

    // A run that ends with nobody to ask, in the middle of a spin or not:
    // the changed game goes to the kept game (the spin finished and booked
    // first), never over its file, and no box is shown. The next start
    // offers it once.
    void changedGameIsKept_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("duringSpin");
        QTest::addColumn<int>("answer");
        QTest::newRow("session allowing no questions, continued") << "session, no questions" << false << int(Answer::Yes);
        QTest::newRow("session allowing no questions, discarded") << "session, no questions" << false << int(Answer::No);
        QTest::newRow("window destroyed") << "window destroyed" << false << int(Answer::Yes);
        QTest::newRow("window destroyed during a spin") << "window destroyed" << true << int(Answer::Yes);
        QTest::newRow("session during a spin, continued") << "session, no questions" << true << int(Answer::Yes);
        QTest::newRow("session during a spin, discarded") << "session, no questions" << true << int(Answer::No);
    }
    void changedGameIsKept()
    {
        QFETCH(QString, how);
        QFETCH(bool, duringSpin);
        QFETCH(int, answer);
        Rig rig;
        rig.startPlaying();
        bool answered = true;
        auto end = [&] {
            if (how == "window destroyed")
                rig.window->endWithoutQuestions();
            else
                answered = rig.window->sessionClosing(how == "session");
        };
        if (duringSpin) {
            QTest::mouseClick(rig.face().playButton(1), Qt::LeftButton, {}, QPoint(5, 5));
            for (int step = 0; step < 50; ++step)
                rig.timer.fire();
            QCOMPARE(rig.game().spins, 0);
        }
        end();
        QVERIFY(!rig.timer.pending());
        QVERIFY(answered);
        QCOMPARE(rig.prompter.messages.size(), 0);
        QCOMPARE(rig.programEnds, how == "window destroyed" ? QList<int>{0} : QList<int>{});
        QCOMPARE(readFile(rig.gameFile), rig.fileBytes);
        const FoundKeptGame found = readKeptGame(rig.window->keptGamePath());
        QVERIFY(found.state == FoundKeptGame::State::Found);
        const KeptGame* kept = &found.game;
        QCOMPARE(kept->file, rig.gameFile);
        QCOMPARE(kept->content.game.spins, duringSpin ? 1 : 0);
        QCOMPARE(kept->content.game.creditsPlayed, duringSpin ? 1 : 0);
        const int credits = rig.game().credits;
        QCOMPARE(kept->content.game.credits, credits);

        // The next start asks once; the answer decides.
        rig.startAgain(Answer(answer));
        QCOMPARE(rig.questions(), QStringList{"question"});
        QCOMPARE(rig.prompter.messages[0].text,
                 "When Star Haven Virtual Slots last closed, your game my game.shs had changed and there was no chance "
                 "to ask you about it, so it was kept for you.\r\n\r\nDo you want to continue that game?");
        const bool continued = Answer(answer) == Answer::Yes;
        QCOMPARE(rig.game().credits, continued ? credits : 500); // the last file opens otherwise
        QCOMPARE(rig.game().changed, continued);
        QCOMPARE(rig.window->windowTitle(), titleFor(rig.gameFile));
        QCOMPARE(rig.window->gameMenuCommands().fileName(), rig.gameFile);
        // Continued, the journal holds it; let go, it is gone.
        rig.window->journal().flush();
        QCOMPARE(readKeptGame(rig.window->keptGamePath()).game.content.game.credits, continued ? credits : 0);
        QCOMPARE(QFile::exists(rig.window->keptGamePath()), continued);
        // Saved, the continued game goes to its own file without a dialog,
        // and the journal has nothing left to keep.
        rig.window->gameMenuCommands().saveGame();
        QVERIFY(rig.prompter.saveRequests.isEmpty());
        QCOMPARE(readGameFile(rig.gameFile).game.credits, continued ? credits : 500);
        rig.window->journal().flush();
        QVERIFY(!QFile::exists(rig.window->keptGamePath()));

        rig.startAgain(Answer::Yes);
        QCOMPARE(rig.questions(), QStringList{});
    }

    // An untitled game is kept and continued untitled.
    void untitledGameIsKept()
    {
        Rig rig;
        rig.set("Window/FirstTime", "False");
        rig.start();
        rig.click(rig.face().billSlot(20));
        QVERIFY(rig.window->sessionClosing(false));
        rig.startAgain(Answer::Yes);
        QCOMPARE(rig.questions(), QStringList{"question"});
        QCOMPARE(rig.prompter.messages[0].text,
                 "When Star Haven Virtual Slots last closed, your game had changed and there was no chance to ask you "
                 "about it, so it was kept for you.\r\n\r\nDo you want to continue that game?");
        QCOMPARE(rig.game().credits, 20);
        QCOMPARE(rig.window->windowTitle(), untitledTitle());
        QVERIFY(rig.game().changed);
    }

    // The session's close asked and the player said No; the logout was
    // then called off and the game went on. What changed since is asked
    // about at the next close, and what did not is not asked twice.
    void playAfterACalledOffLogout_data()
    {
        QTest::addColumn<bool>("playOn");
        QTest::addColumn<QString>("seen");
        QTest::newRow("played on") << true << "question, question";
        QTest::newRow("closed at once") << false << "question";
    }
    void playAfterACalledOffLogout()
    {
        QFETCH(bool, playOn);
        QFETCH(QString, seen);
        Rig rig;
        rig.startPlaying();
        rig.prompter.answers = {Answer::No, Answer::No};
        QVERIFY(rig.window->sessionClosing(true));
        if (playOn)
            rig.click(rig.face().billSlot(5));
        QVERIFY(rig.window->close());
        QCOMPARE(rig.questions().join(", "), seen);
    }

    // After every booked change the journal holds the game as it stands;
    // an ending the player chose (or a save) leaves nothing in it, one that
    // keeps the game on the machine leaves it as it was.
    void journalFollowsTheGame_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a bill") << "bill" << true;
        QTest::newRow("a spin") << "spin" << true;
        QTest::newRow("Game Options") << "options" << true;
        QTest::newRow("Configure Cash Out Button") << "cash out options" << true;
        QTest::newRow("saved") << "save" << false;
        QTest::newRow("New Game, not saved") << "new game" << false;
        QTest::newRow("another game opened") << "open" << false;
        QTest::newRow("closed, not saved") << "close, No" << false;
        QTest::newRow("close cancelled") << "close, Cancel" << true;
        QTest::newRow("Cash Out's Exit") << "cash out, Exit" << false;
        QTest::newRow("Cash Out's New") << "cash out, New" << false;
    }
    void journalFollowsTheGame()
    {
        QFETCH(QString, action);
        QFETCH(bool, kept);
        Rig rig;
        rig.startPlaying();
        const auto dialog = [&](const char* item, const char* steps) {
            whenShown<QDialog>(rig.window.get(), [steps](QDialog* d) { playSteps(*d, steps); });
            rig.gameAction(item)->trigger();
        };
        if (action == "bill")
            rig.click(rig.face().billSlot(20));
        else if (action == "spin")
            rig.click(rig.face().playButton(3));
        else if (action == "options")
            dialog("Game O&ptions", "optNickel OK");
        else if (action == "cash out options")
            dialog("&Configure Cash Out Button", "optNewGame OK");
        else if (action == "save")
            rig.gameAction("&Save Game")->trigger();
        else if (action == "new game")
            rig.prompter.answers = {Answer::No}, rig.gameAction("&New Game")->trigger();
        else if (action == "open")
            rig.prompter.openResults << rig.saveGameFile("other.shs", 1.0f), rig.gameAction("&Open Game")->trigger();
        else if (action.startsWith("close"))
            rig.prompter.answers = {action.endsWith("No") ? Answer::No : Answer::Cancel}, rig.window->close();
        else if (action.startsWith("cash out")) {
            rig.window->machine().changeCashOut(action.endsWith("New") ? CashOutAction::NewGame : CashOutAction::Exit, false);
            rig.window->cashOut();
        }
        rig.window->journal().flush();
        const FoundKeptGame found = readKeptGame(rig.window->keptGamePath());
        QCOMPARE(found.state == FoundKeptGame::State::Found, kept);
        if (kept) {
            const GameFileContent now = gameFileContent(rig.window->machine().options(), rig.game());
            QCOMPARE(gameFileBytes(found.game.content), gameFileBytes(now));
            QCOMPARE(found.game.file, rig.gameFile);
        }
    }

    // The kept game stays on the disk until the answer to its question is
    // carried out: a run that ends while the question shows (a signal, a
    // logout) leaves it for the next start, as it was.
    void keptGameLivesUntilAnswered_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("a signal while the question shows") << "signal";
        QTest::newRow("a logout allowing no questions") << "logout";
    }
    void keptGameLivesUntilAnswered()
    {
        QFETCH(QString, meanwhile);
        Rig rig;
        rig.startPlaying();
        QVERIFY(rig.window->sessionClosing(false));
        const QByteArray kept = readFile(rig.window->keptGamePath());
        QVERIFY(!kept.isEmpty());
        rig.window.reset();
        rig.prompter.answers = {Answer::No};
        rig.prompter.whileShown = [&](const FakePrompter::Message&) {
            rig.prompter.whileShown = nullptr;
            if (meanwhile == "signal")
                rig.window->endWithoutQuestions();
            else
                rig.window->sessionClosing(false);
            rig.window->close(); // the session's end closes the window
        };
        rig.start();
        QVERIFY(rig.window->hasEnded());
        rig.window.reset();
        QCOMPARE(readFile(rig.keptGamePath()), kept);
    }

    // A kept game that cannot be taken is put aside, not deleted, and the
    // player told once where it is: damaged, cut short, a name too long to
    // be one, or naming itself, a folder or the settings.
    void keptGameThatCannotBeTaken_data()
    {
        QTest::addColumn<QByteArray>("content"); // "@" stands for the folder of the settings
        const QByteArray game = gameFileBytes({});
        QTest::newRow("not a game") << QByteArray("5\r\nnot a game\r\n");
        QTest::newRow("cut short in its name") << game + "/home/x/my gam";
        QTest::newRow("a name of 10 MB") << game + QByteArray(10'000'000, 'a') + "\r\n";
        QTest::newRow("a name that is no encoding") << game + "/home/x/100%.shs\r\n";
        QTest::newRow("naming itself") << game + "@/Star%20Haven%20Virtual%20Slots%20recovery.shs\r\n";
        QTest::newRow("naming a folder") << game + "@\r\n";
        QTest::newRow("naming the settings") << game + "@/settings.ini\r\n";
    }
    void keptGameThatCannotBeTaken()
    {
        QFETCH(QByteArray, content);
        Rig rig;
        rig.set("Window/FirstTime", "False");
        rig.start();
        const QString path = rig.window->keptGamePath();
        rig.window.reset();
        QVERIFY(writeFile(path, content.replace("@", QFile::encodeName(rig.dir.path()))));
        rig.start();
        const QString aside = rig.dir.filePath("Star Haven Virtual Slots recovery (damaged).shs");
        QCOMPARE(rig.prompter.texts(),
                 QStringList{"The game kept when Star Haven Virtual Slots last closed cannot be read. It was put aside "
                             "as " + aside + "."});
        QCOMPARE(readFile(aside), content);
        QVERIFY(!QFile::exists(path));
        rig.startAgain(Answer::Yes); // told once
        QCOMPARE(rig.questions(), QStringList{});
    }
};

QTEST_MAIN(TestRunEnd)
#include "tst_runend.moc"
