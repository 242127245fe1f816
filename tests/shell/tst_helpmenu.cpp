#include "ErrorReport.h"
#include "FakeDocumentOpener.h"
#include "FakeHelpViewer.h"
#include "FakePrompter.h"
#include "HelpMenu.h"
#include "frmAbout.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace strhaven;

namespace {

struct Rig {
    QTemporaryDir folder;
    QWidget window;
    FakePrompter prompter;
    FakeHelpViewer help;
    FakeDocumentOpener opener;
    QStringList shown; // dialogs the commands asked for
    std::function<void()> onDialog;
    HelpMenu menu{{prompter, help, opener, &window, folder.path(),
                   [this] { show("shortcuts"); }, [this] { show("about"); }}};

    void show(const QString& dialog)
    {
        shown << dialog;
        if (onDialog)
            onDialog();
    }
    void writeReadme()
    {
        QFile readme(folder.filePath("readme.txt"));
        QVERIFY(readme.open(QIODevice::WriteOnly));
    }
    void run(const QString& command)
    {
        if (command == "topics")
            menu.HelpTopics();
        else if (command == "shortcuts")
            menu.KeyboardShortcuts();
        else if (command == "readme")
            menu.ReadmeFile();
        else if (command == "about")
            menu.About();
        else
            menu.WebPage(command.mid(4).toInt()); // "web 0"
    }
    // Every box as "title: text", and what the desktop was asked to open.
    QString said() const
    {
        QStringList all;
        for (const auto& m : prompter.messages)
            all << m.title + ": " + m.text;
        for (const QString& target : opener.targets)
            all << "open " + QDir(folder.path()).relativeFilePath(target);
        return all.join(" | ");
    }
};

const QString App = QStringLiteral("Star Haven Virtual Slots");

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    // The readme and the pages go to the desktop; only the failures the
    // player can act on are reported.
    void opening_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("readme");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("said");
        QTest::newRow("readme missing") << "readme" << false << 33 << App + ": The Readme.txt file could not be found.";
        QTest::newRow("readme opened") << "readme" << true << 42 << "open readme.txt";
        QTest::newRow("readme, 2 passes silently") << "readme" << true << 2 << "open readme.txt";
        QTest::newRow("readme, 5") << "readme" << true << 5
                                   << App + ": Access was denied. The file may be in use by another application. | open readme.txt";
        QTest::newRow("readme, 8") << "readme" << true << 8 << App + ": Not enough memory available. | open readme.txt";
        QTest::newRow("readme, 27") << "readme" << true << 27
                                    << App + ": A program association for text files could not be found. | open readme.txt";
        QTest::newRow("readme, 31") << "readme" << true << 31
                                    << App + ": A program association for text files could not be found. | open readme.txt";
        QTest::newRow("products, 31") << "web 0" << false << 31
                                      << App + ": A program association for text files could not be found. | open web/products.html";
        QTest::newRow("bookstore") << "web 1" << false << 33 << "open web/bookstore.html";
        QTest::newRow("home page, 8") << "web 2" << false << 8 << App + ": Not enough memory available. | open web/home.html";
    }
    void opening()
    {
        QFETCH(QString, command);
        QFETCH(bool, readme);
        QFETCH(int, result);
        QFETCH(QString, said);
        Rig rig;
        if (readme)
            rig.writeReadme();
        rig.opener.result = result;
        rig.run(command);
        QCOMPARE(rig.said(), said);
        for (const auto& m : rig.prompter.messages)
            QVERIFY(m.icon == Prompter::Icon::Exclamation && m.buttons == Prompter::Buttons::Ok);
    }

    // A failure inside a command is reported under that command's title.
    void errorTitles_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        QTest::newRow("topics") << "topics" << "Error displaying Help.";
        QTest::newRow("shortcuts") << "shortcuts" << "Error displaying Keyboard Shortcuts";
        QTest::newRow("readme") << "readme" << "A program associated with text files could not be found.";
        QTest::newRow("products") << "web 0" << "Error accessing Gaming products page.";
        QTest::newRow("bookstore") << "web 1" << "Error accessing Bookstore.";
        QTest::newRow("home page") << "web 2" << "Error accessing Home Page.";
        QTest::newRow("about") << "about" << "Error displaying About Box.";
    }
    void errorTitles()
    {
        QFETCH(QString, command);
        QFETCH(QString, title);
        Rig rig;
        rig.writeReadme();
        auto fail = [] { throw RunError(ErrorNumber::PermissionDenied); };
        rig.help.onShow = fail;
        rig.opener.onOpen = fail;
        rig.onDialog = fail;
        rig.run(command);
        QCOMPARE(rig.prompter.messages.size(), 1);
        QCOMPARE(rig.prompter.messages[0].title + ": " + rig.prompter.messages[0].text, title + ": 70: Permission denied");
    }

    // The entries the window builds the menu from run their own commands.
    void entries()
    {
        Rig rig;
        rig.writeReadme();
        for (const auto& entries : {HelpMenu::menuEntries(), HelpMenu::webEntries()})
            for (const auto& e : entries)
                if (e.command)
                    e.command(rig.menu);
        QCOMPARE(rig.help.asked() + ' ' + rig.shown.join(' '), QString("contents shortcuts about"));
        QCOMPARE(rig.help.calls[0].owner, &rig.window);
        QCOMPARE(rig.said(), QString("open readme.txt | open web/products.html | open web/bookstore.html | open web/home.html"));
    }

    // The pages open without a network: nothing is fetched from elsewhere,
    // and every link leads to another of the pages.
    void pagesStandAlone_data()
    {
        QTest::addColumn<QString>("page");
        for (const char* page : {"home.html", "products.html", "bookstore.html"})
            QTest::newRow(page) << page;
    }
    void pagesStandAlone()
    {
        QFETCH(QString, page);
        const QDir web(QStringLiteral(STRHAVEN_WEB_DIR));
        QFile file(web.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY(html.contains("</html>"));
        QVERIFY(!html.contains("url(") && !html.contains("@import") && !html.contains("//"));
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
        int links = 0;
        for (auto it = reference.globalMatch(html); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            QVERIFY2(web.exists(target), qPrintable(target));
        }
        QVERIFY(links >= 3); // the bar that leads to each page
    }

    void aboutBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter closes") << int(Qt::Key_Return);
        QTest::newRow("Esc closes") << int(Qt::Key_Escape);
    }
    void aboutBox()
    {
        QFETCH(int, key);
        frmAbout about(nullptr);
        QStringList texts{about.windowTitle()};
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription"})
            texts << about.findChild<QLabel*>(name)->text().section('\n', 0, 0);
        QCOMPARE(texts.join('|'),
                 QString("About Star Haven Virtual Slots|Star Haven Virtual Slots|Version 1.0.0|Copyright \u00a9 Quillfern"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key(key));
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
