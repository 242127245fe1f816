#include "FakePacer.h"
#include "FakePrompter.h"
#include "FakeSoundOutput.h"
#include "Form1.h"
#include "GameFile.h"
#include "FakeHelpViewer.h"
#include "MachineFace.h"
#include "SlotMachine.h"
#include "StartUp.h"

#include <QAction>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

namespace {

// A main window over a settings store in a temporary folder.
struct Rig {
    QTemporaryDir dir;
    FakePrompter prompter;
    FakeSoundOutput sound;
    FakePacer pacer;
    FakeHelpViewer help;
    FastRandom random{5};
    std::unique_ptr<Form1> form;

    QString ini() const { return dir.filePath("settings.ini"); }
    std::unique_ptr<QSettings> store() const { return std::make_unique<QSettings>(ini(), QSettings::IniFormat); }
    void set(const QString& key, const QVariant& value) { store()->setValue(key, value); }

    void start(const QString& commandLine = QString())
    {
        const QString path = ini();
        form = std::make_unique<Form1>(Form1Seams{prompter, sound, pacer, help, random,
                                                  [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); },
                                                  commandLine});
        form->Form_Load();
        form->show();
    }
    // The payout panel as the player sees it: check mark, window width, face offset.
    QString panel() const
    {
        return QStringLiteral("%1 %2 %3").arg(form->hidePanelAction()->isChecked() ? "hidden" : "shown")
            .arg(form->drawingArea().width()).arg(form->face().x());
    }
    QString saveGameFile(const QString& name, float machine)
    {
        GameFileContent c;
        c.options.Machine = machine;
        c.game.Credits = 77;
        const QString path = dir.filePath(name);
        writeGameFile(path, c);
        return path;
    }
};

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
        const QString missing = rig.dir.filePath("gone.shs");
        auto resolve = [&](QString s) { return s.replace("@good", good).replace("@missing", missing); };
        rig.set("LastFile/Name", resolve(lastFile));
        rig.set("Options/LoadLastFile", QString::number(loadLast));
        rig.start(resolve(commandLine));
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
            QCOMPARE(rig.form->dialogFileName(), good);
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
        if (saved)
            rig.prompter.saveResults.push_back(file);
        QCOMPARE(rig.form->close(), closes);
        QCOMPARE(rig.form->isVisible(), !closes);
        QCOMPARE(rig.store()->value("Options/WheelSpeed").toString(), settingsSaved ? QString("7") : QString());
        QCOMPARE(QFile::exists(file), saved);
        if (saved)
            QCOMPARE(rig.store()->value("LastFile/Name").toString(), file);
        QCOMPARE(rig.prompter.messages.size(), answer >= 0 ? 1 : 0);
    }

    void oneInstancePerUser()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        auto first = lockSingleInstance();
        QVERIFY(first);
        QVERIFY(!lockSingleInstance());
        first.reset();
        QVERIFY(lockSingleInstance());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
