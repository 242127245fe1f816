#include "FakePrompter.h"
#include "GameDocument.h"
#include "GameMenu.h"
#include "WindowTitle.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

namespace {

// The document as the main window would hold it, without a window.
class FakeDocument final : public GameDocument {
public:
    QString title = untitledTitle();
    QString fileName;
    QString folder;
    bool changed = false;
    int newGames = 0;
    int putInForceCalls = 0;
    GameFileContent content;

    QWidget* documentWindow() override { return nullptr; }
    QString documentTitle() const override { return title; }
    void setDocumentTitle(const QString& t) override { title = t; }
    QString dialogFileName() const override { return fileName; }
    void setDialogFileName(const QString& p) override { fileName = p; }
    QString dialogFolder() const override { return folder; }
    void setDialogFolder(const QString& f) override { folder = f; }
    bool gameChanged() const override { return changed; }
    void setGameChanged(bool c) override { changed = c; }
    GameFileContent documentContent() const override { return content; }
    void putInForce(const GameFileContent& c) override
    {
        content = c;
        changed = false;
        ++putInForceCalls;
    }
    void startNewGame() override
    {
        ++newGames;
        changed = false;
        title = untitledTitle();
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
    // New Game: the question, its three answers, and the save it may need.
    void newGame_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<bool>("dialogChoosesFile");
        QTest::addColumn<QString>("done"); // dialogs shown, file written, games started
        QTest::newRow("unchanged: no question") << false << false << -1 << false << "1 new game";
        QTest::newRow("changed, No") << true << false << int(Answer::No) << false << "1 new game";
        QTest::newRow("changed, Cancel") << true << false << int(Answer::Cancel) << false << "";
        QTest::newRow("untitled, Yes, dialog cancelled") << true << false << int(Answer::Yes) << false << "Save Game";
        QTest::newRow("untitled, Yes, saved") << true << false << int(Answer::Yes) << true << "Save Game, written, 1 new game";
        QTest::newRow("titled, Yes: no dialog") << true << true << int(Answer::Yes) << false << "written, 1 new game";
        // A game that could not be written must not be thrown away.
        QTest::newRow("titled, Yes, the write fails") << true << true << int(Answer::Yes) << false << "write failed";
    }
    void newGame()
    {
        QFETCH(bool, changed);
        QFETCH(bool, titled);
        QFETCH(int, answer);
        QFETCH(bool, dialogChoosesFile);
        QFETCH(QString, done);
        QTemporaryDir dir;
        const QString file = dir.filePath("new.shs");
        FakeDocument doc;
        doc.changed = changed;
        const bool failing = done == "write failed";
        if (titled) {
            doc.fileName = failing ? dir.filePath("no such folder/new.shs") : file;
            doc.title = titleFor(file);
        }
        FakePrompter prompter;
        if (answer >= 0)
            prompter.answers.push_back(Answer(answer));
        if (dialogChoosesFile)
            prompter.saveResults.push_back(file);
        GameMenu(doc, prompter).NewGame();
        if (failing) {
            QCOMPARE(prompter.messages.size(), 2);
            QCOMPARE(prompter.messages[1].text, QString("76: Path not found"));
            QCOMPARE(doc.newGames, 0);
            QVERIFY(doc.changed);
            return;
        }
        QCOMPARE(prompter.messages.size(), answer >= 0 ? 1 : 0);
        if (answer >= 0) {
            QCOMPARE(prompter.messages[0].text,
                     QString("The current game has changed.\r\n\r\nDo you want to save the game?"));
            QCOMPARE(prompter.messages[0].buttons, Prompter::Buttons::YesNoCancel);
        }
        QStringList seen;
        for (const auto& request : prompter.saveRequests)
            seen << request.title;
        if (QFile::exists(file))
            seen << "written";
        if (doc.newGames)
            seen << QString("%1 new game").arg(doc.newGames);
        else
            QCOMPARE(doc.changed, changed);
        QCOMPARE(seen.join(", "), done);
    }

    void openGame()
    {
        FakeDocument doc;
        doc.content.game.Credits = 42;
        FakePrompter prompter;
        const QString good = path("good.shs");
        GameMenu menu(doc, prompter);
        prompter.saveResults.push_back(good);
        menu.SaveGameAs();
        QCOMPARE(prompter.saveRequests[0].title, QString("Save Game As"));
        QCOMPARE(doc.title, QString("Star Haven Virtual Slots - good.shs"));

        // A cancelled dialog, then a file that is not a game: nothing changes.
        QFile bad(path("bad.shs"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a game\r\n");
        bad.close();
        doc.changed = true;
        menu.OpenGame();
        prompter.openResults.push_back(bad.fileName());
        menu.OpenGame();
        QCOMPARE(prompter.openRequests.size(), 2);
        QCOMPARE(prompter.openRequests[0].title, QString("Open Game"));
        QCOMPARE(prompter.texts(), QStringList{"Not a valid Star Haven game file."});
        QCOMPARE(doc.fileName, good);
        QCOMPARE(doc.putInForceCalls, 0);

        // A valid file replaces a changed game without a question.
        doc.content.game.Credits = 7;
        prompter.openResults.push_back(good);
        menu.OpenGame();
        QCOMPARE(doc.putInForceCalls, 1);
        QCOMPARE(doc.content.game.Credits, 42);
        QVERIFY(!doc.changed);
        QCOMPARE(doc.folder, m_dir.path() + '/');
        QCOMPARE(prompter.messages.size(), 1);
    }

    void saveGame_data()
    {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("saveDialogs");
        QTest::addColumn<bool>("changedAfter");
        QTest::newRow("untitled") << false << true << 1 << false;
        QTest::newRow("titled: no dialog") << true << true << 0 << false;
        QTest::newRow("titled, write fails") << true << false << 0 << true;
    }
    void saveGame()
    {
        QFETCH(bool, titled);
        QFETCH(bool, writable);
        QFETCH(int, saveDialogs);
        QFETCH(bool, changedAfter);
        const QString file = writable ? path("saved.shs") : path("no-such-folder/saved.shs");
        FakeDocument doc;
        doc.changed = true;
        FakePrompter prompter;
        if (titled) {
            doc.fileName = file;
            doc.title = titleFor(file);
        } else {
            prompter.saveResults.push_back(file);
        }
        GameMenu(doc, prompter).SaveGame();
        QCOMPARE(prompter.saveRequests.size(), saveDialogs);
        QCOMPARE(doc.changed, changedAfter);
        QCOMPARE(doc.title, QString("Star Haven Virtual Slots - saved.shs"));
        QCOMPARE(prompter.messages.size(), writable ? 0 : 1);
        if (!writable)
            QCOMPARE(prompter.messages[0].title, QString("Error writing file."));
    }
};

QTEST_MAIN(TestGameMenu)
#include "tst_gamemenu.moc"
