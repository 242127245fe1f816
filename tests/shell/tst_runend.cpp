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
