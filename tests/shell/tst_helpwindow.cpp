#include "HelpBook.h"
#include "HelpWindow.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

using namespace strhaven;

namespace {

QString resourceText(const QUrl& page)
{
    QFile file(QLatin1Char(':') + page.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void topics_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QUrl>("page");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("how to play") << 20 << helpTopicUrl(20) << QStringLiteral("Play Max");
        QTest::newRow("options") << 30 << helpTopicUrl(30) << QStringLiteral("A good day");
        QTest::newRow("cash out") << 40 << helpTopicUrl(40) << QStringLiteral("Cash Out");
        QTest::newRow("game files") << 50 << helpTopicUrl(50) << QStringLiteral(".shs");
        QTest::newRow("statistics") << 60 << helpTopicUrl(60) << QStringLiteral("Percent of return");
        QTest::newRow("unknown topic: contents") << 99 << helpContentsUrl() << QStringLiteral("Cash Out");
    }
    void topics()
    {
        QFETCH(int, topic);
        QFETCH(QUrl, page);
        QFETCH(QString, mentions);
        QWidget owner;
        HelpWindow help;
        help.showTopic(&owner, topic);
        QVERIFY(help.isVisible());
        QCOMPARE(help.currentPage(), page);
        QVERIFY(!help.pageTitle().isEmpty());
        const QString text = help.findChild<QTextBrowser*>()->toPlainText();
        QVERIFY(text.size() > 400);
        QVERIFY(text.contains(mentions));
    }

    // Every link of every page leads to a page of the book.
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
        const QString html = resourceText(page);
        QVERIFY(!html.isEmpty());
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QUrl target = page.resolved(QUrl(it.next().captured(1)));
            QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()), qPrintable(target.toString()));
        }
    }

    void contentsListsEveryTopic()
    {
        const QString html = resourceText(helpContentsUrl());
        for (int topic : helpTopics())
            QVERIFY(html.contains(QStringLiteral("href=\"topic%1.html\"").arg(topic)));
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
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
