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
                rig.window->endWithoutWindow();
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
        const std::optional<KeptGame> kept = readKeptGame(rig.window->keptGamePath());
        QVERIFY(kept);
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
        QVERIFY(!QFile::exists(rig.window->keptGamePath()));
        // Saved, the continued game goes to its own file without a dialog.
        rig.window->gameMenuCommands().saveGame();
        QVERIFY(rig.prompter.saveRequests.isEmpty());
        QCOMPARE(readGameFile(rig.gameFile).game.credits, continued ? credits : 500);

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

    // A damaged kept game is not offered, and goes.
    void damagedKeptGame()
    {
        Rig rig;
        rig.set("Window/FirstTime", "False");
        rig.start();
        const QString kept = rig.window->keptGamePath();
        rig.window.reset();
        QVERIFY(writeFile(kept, "5\r\nnot a game\r\n"));
        rig.start();
        QCOMPARE(rig.questions(), QStringList{});
        QVERIFY(!QFile::exists(kept));
    }
};

QTEST_MAIN(TestRunEnd)
#include "tst_runend.moc"
