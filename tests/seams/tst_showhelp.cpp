#include "FakeHelpViewer.h"
#include "HelpViewer.h"

#include <QWidget>
#include <QtTest>

using namespace strhaven;
using Kind = FakeHelpViewer::Kind;

class ShowHelpTest : public QObject {
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("asked"); // what the viewer was asked to do
        QTest::newRow("topic 20") << 1 << 20 << "topic 20";
        QTest::newRow("topic the book lacks") << 1 << 77 << "topic 77";
        QTest::newRow("close") << 2 << 0 << "close";
        QTest::newRow("close ignores the number") << 2 << 40 << "close";
        QTest::newRow("contents") << 3 << 0 << "contents";
        QTest::newRow("command 0") << 0 << 20 << "";
        QTest::newRow("command 4") << 4 << 20 << "";
    }

    void commands()
    {
        QFETCH(int, command);
        QFETCH(int, number);
        QFETCH(QString, asked);
        QWidget owner;
        FakeHelpViewer viewer;
        ShowHelp(viewer, &owner, command, number);
        QStringList calls;
        for (const auto& c : viewer.calls) {
            QVERIFY(c.kind == Kind::Close || c.owner == &owner);
            calls << (c.kind == Kind::Topic ? QString("topic %1").arg(c.topic) : c.kind == Kind::Close ? "close" : "contents");
        }
        QCOMPARE(calls.join(','), asked);
    }
};

QTEST_MAIN(ShowHelpTest)
#include "tst_showhelp.moc"
