#include "assets/help/HelpBook.h"
#include "widgets/HelpDialog.h"
#include "shell/HelpWindow.h"
#include "widgets/Announcer.h"
#include "fakes/ModalWatch.h"
#include "fakes/TestFiles.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTextCursor>
#include <QWindow>
#include <QTextBrowser>
#include <QtTest>

using namespace strhaven;

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The topic each dialog asks for opens its page; an unknown one the contents.
    void topics_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("how to play") << 20 << "Play Max";
        QTest::newRow("options") << 30 << "A good day";
        QTest::newRow("cash out") << 40 << "Cash Out";
        QTest::newRow("game files") << 50 << ".shs";
        QTest::newRow("statistics") << 60 << "Percent of return";
        QTest::newRow("unknown topic: contents") << 99 << "Cash Out";
    }
    void topics()
    {
        QFETCH(int, topic);
        QFETCH(QString, mentions);
        QWidget owner;
        HelpWindow help;
        help.showTopic(&owner, topic);
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage() == helpContentsUrl(), topic == 99);
        QVERIFY(!help.pageTitle().isEmpty());
        const QString text = help.findChild<QTextBrowser*>()->toPlainText();
        QVERIFY(text.size() > 400 && text.contains(mentions));
    }

    // Every link of every page leads to a page of the book, and the contents
    // lead to every topic.
    void linksResolve_data()
    {
        QTest::addColumn<QUrl>("page");
        QTest::newRow("contents") << helpContentsUrl();
        for (int topic : helpTopics())
            QTest::newRow(qPrintable(QString::number(topic))) << helpTopicUrl(topic);
    }
    void linksResolve()
    {
        QFETCH(QUrl, page);
        const QString html = QString::fromUtf8(readFile(':' + page.path()));
        QVERIFY(!html.isEmpty());
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QUrl target = page.resolved(QUrl(it.next().captured(1)));
            QVERIFY2(QFile::exists(':' + target.path()), qPrintable(target.toString()));
        }
        for (int topic : page == helpContentsUrl() ? helpTopics() : decltype(helpTopics()){})
            QVERIFY(html.contains(QStringLiteral("href=\"topic%1.html\"").arg(topic)));
    }

    // Help asked for from a modal dialog can be used while the dialog is
    // open: it takes the focus and its links lead on.
    void usableFromAModalDialog()
    {
        QWidget owner;
        owner.show();
        HelpWindow help;
        HelpDialog dialog(help, 30, &owner);
        bool active = false;
        QUrl followed;
        whenShown<QDialog>(&owner, [&](QDialog* shown) {
            QTest::keyRelease(shown, Qt::Key_F1);
            QVERIFY(QTest::qWaitForWindowExposed(&help));
            help.activateWindow();
            active = QTest::qWaitFor([&] { return help.isActiveWindow(); });
            auto* browser = help.findChild<QTextBrowser*>();
            QTextCursor link = browser->document()->find(QStringLiteral("Contents"));
            link.setPosition(link.selectionStart() + 2);
            // Through the window system, as a player's click comes, so that
            // a window blocked by the dialog would not get it.
            const QPoint at = browser->viewport()->mapTo(&help, browser->cursorRect(link).center());
            QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, at);
            followed = help.currentPage();
            shown->accept();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(active);
        QCOMPARE(followed, helpContentsUrl());
        QVERIFY(!help.isVisible()); // closed with the dialog
    }

    void contentsButtonAndClose()
    {
        HelpWindow help;
        QCOMPARE(help.windowTitle(), QStringLiteral("Star Haven Virtual Slots Help"));
        help.close(); // never opened: harmless
        help.showTopic(nullptr, 30);
        help.showContents(nullptr);
        QCOMPARE(help.pageTitle(), QStringLiteral("Star Haven Virtual Slots Help"));
        help.showTopic(nullptr, 30);
        QTest::mouseClick(help.findChild<QPushButton*>(QStringLiteral("contentsButton")), Qt::LeftButton);
        QCOMPARE(help.currentPage(), helpContentsUrl());
        help.close();
        QVERIFY(!help.isVisible());
        help.showTopic(nullptr, 60);
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), helpTopicUrl(60));

        // Tab in the page selects its links one by one, each told to a
        // screen reader; Escape closes the window.
        help.showContents(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(&help));
        auto* page = help.findChild<QTextBrowser*>();
        page->setFocus();
        auto* told = help.findChild<Announcer*>();
        QStringList links;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(page, Qt::Key_Tab);
            links << told->text();
        }
        QCOMPARE(links.size(), 2);
        QVERIFY2(links[0].startsWith("Link: ") && links[1].startsWith("Link: ") && links[0] != links[1],
                 qPrintable(links.join('|')));
        QVERIFY(told->isVisible());
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
