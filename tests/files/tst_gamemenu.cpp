#include "fakes/FakePrompter.h"
#include "files/GameDocument.h"
#include "files/GameMenu.h"
#include "files/PathHelpers.h"
#include "fakes/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

namespace {

// The document as the main window would hold it, without a window.
class FakeDocument final : public GameDocument {
public:
    QString file; // the document's own file: empty while untitled
    QString fileName;
    QString folder;
    bool changed = false;
    int newGames = 0;
    int putInForceCalls = 0;
    GameFileContent content;

    QWidget* documentWindow() override { return nullptr; }
    bool hasDocumentFile() const override { return !file.isEmpty(); }
    void setDocumentFile(const QString& path) override { file = path; }
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
        file.clear();
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
        FakeDocument doc;
        doc.changed = changed;
        if (titled) { // a write expected to fail goes to a folder that is gone
            doc.fileName = done.contains("76:") ? dir.filePath("no such folder/game.shs") : file;
            doc.file = doc.fileName;
        }
        FakePrompter prompter;
        if (answer >= 0)
            prompter.answers.push_back(Answer(answer));
        if (dialogChoosesFile)
            prompter.saveResults.push_back(file);
        GameMenu menu(doc, prompter);
        save ? menu.SaveGame() : menu.NewGame();
        QStringList seen;
        for (const auto& m : prompter.messages)
            seen << (m.buttons == Prompter::Buttons::YesNoCancel ? "asked" : m.title + ": " + m.text);
        if (answer >= 0)
            QCOMPARE(prompter.messages[0].text, QString("The current game has changed.\r\n\r\nDo you want to save the game?"));
        for (const auto& request : prompter.saveRequests)
            seen << request.title;
        if (QFile::exists(file))
            seen << "written";
        for (int i = 0; i < doc.newGames; ++i)
            seen << "new game";
        if (doc.changed)
            seen << "changed";
        QCOMPARE(seen.join(", "), done);
        QCOMPARE(ExtractFileName(doc.file), (titled || QFile::exists(file)) && !doc.newGames ? "game.shs" : "");
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
        QCOMPARE(doc.file, good);

        // A cancelled dialog, then a file that is not a game: nothing changes.
        QVERIFY(writeFile(path("bad.shs"), "not a game\r\n"));
        doc.changed = true;
        menu.OpenGame();
        prompter.openResults.push_back(path("bad.shs"));
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
};

QTEST_MAIN(TestGameMenu)
#include "tst_gamemenu.moc"
