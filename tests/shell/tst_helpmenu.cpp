#include "seams/ErrorReport.h"
#include "fakes/FakeDocumentOpener.h"
#include "fakes/FakeHelpViewer.h"
#include "fakes/FakePrompter.h"
#include "shell/HelpMenu.h"
#include "fakes/TestFiles.h"
#include "shell/AboutDialog.h"
#include "play/ShortcutChart.h"

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
    void writeReadme() { QVERIFY(writeFile(folder.filePath("readme.txt"))); }
    void run(const QString& command) // "web 0" is the first page
    {
        if (command.startsWith("web "))
            return menu.webPage(command.mid(4).toInt());
        const std::map<QString, void (HelpMenu::*)()> commands{{"topics", &HelpMenu::helpTopics},
            {"shortcuts", &HelpMenu::keyboardShortcuts}, {"readme", &HelpMenu::readmeFile}, {"about", &HelpMenu::about}};
        (menu.*commands.at(command))();
    }
    // Every box, and what the desktop was asked to open.
    QString said() const
    {
        QStringList all = prompter.boxes();
        for (const QString& target : opener.targets)
            all << "open " + QDir(folder.path()).relativeFilePath(target);
        return all.join(" | ");
    }
};

const QString App = QStringLiteral("Exclamation Ok, Star Haven Virtual Slots");

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    // The readme and the pages go to the desktop; only the failures the
    // player can act on are reported. A failure inside a command is
    // reported under that command's title.
    void opening_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("readme");
        QTest::addColumn<int>("result"); // the desktop's answer; -1: the command fails inside
        QTest::addColumn<QString>("said");
        const QString denied = ": 70: Permission denied";
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
        QTest::newRow("topics fails") << "topics" << false << -1 << "Exclamation Ok, Error displaying Help." + denied;
        QTest::newRow("shortcuts fails") << "shortcuts" << false << -1
                                         << "Exclamation Ok, Error displaying Keyboard Shortcuts" + denied;
        QTest::newRow("readme fails") << "readme" << true << -1
            << "Exclamation Ok, A program associated with text files could not be found." + denied + " | open readme.txt";
        QTest::newRow("products fails") << "web 0" << false << -1
            << "Exclamation Ok, Error accessing Gaming products page." + denied + " | open web/products.html";
        QTest::newRow("bookstore fails") << "web 1" << false << -1
            << "Exclamation Ok, Error accessing Bookstore." + denied + " | open web/bookstore.html";
        QTest::newRow("home page fails") << "web 2" << false << -1
            << "Exclamation Ok, Error accessing Home Page." + denied + " | open web/home.html";
        QTest::newRow("about fails") << "about" << false << -1 << "Exclamation Ok, Error displaying About Box." + denied;
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
        if (result < 0)
            rig.help.onShow = rig.opener.onOpen = rig.onDialog = [] { throw RunError(ErrorNumber::PermissionDenied); };
        rig.run(command);
        QCOMPARE(rig.said(), said);
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
        const QString html = QString::fromUtf8(readFile(web.filePath(page)));
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

    // The About box's texts; it and the shortcut chart close with Enter,
    // and every control of either lies wholly inside its window, clear of
    // the others (the chart's OK under the chart, not over it).
    void aboutAndShortcuts()
    {
        AboutDialog about(nullptr);
        QStringList texts{about.windowTitle()};
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription"})
            texts << about.findChild<QLabel*>(name)->text().section('\n', 0, 0);
        QCOMPARE(texts.join('|'),
                 QString("About Star Haven Virtual Slots|Star Haven Virtual Slots|Version 1.0.0|Copyright \u00a9 Quillfern"));
        ShortcutChart shortcuts(nullptr);
        QCOMPARE(shortcuts.windowTitle(), QString("Shortcut Keys"));
        for (QDialog* dialog : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&shortcuts)}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QWidget* control : controls) {
                QVERIFY2(dialog->rect().contains(control->geometry()), qPrintable(control->objectName()));
                for (const QWidget* other : controls)
                    QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                             qPrintable(control->objectName() + " over " + other->objectName()));
            }
            QTest::keyClick(dialog, Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
        }
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
