#include "FakeHelpViewer.h"
#include "HelpViewer.h"

#include <QWidget>
#include <QtTest>

using namespace strhaven;
using Kind = FakeHelpViewer::Kind;

Q_DECLARE_METATYPE(FakeHelpViewer::Kind)

class ShowHelpTest : public QObject {
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("calls");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("topic");
        QTest::newRow("topic 20") << 1 << 20 << 1 << Kind::Topic << 20;
        QTest::newRow("topic 60") << 1 << 60 << 1 << Kind::Topic << 60;
        QTest::newRow("topic the book lacks") << 1 << 77 << 1 << Kind::Topic << 77;
        QTest::newRow("close") << 2 << 0 << 1 << Kind::Close << 0;
        QTest::newRow("close ignores the number") << 2 << 40 << 1 << Kind::Close << 0;
        QTest::newRow("contents") << 3 << 0 << 1 << Kind::Contents << 0;
        QTest::newRow("command 0") << 0 << 20 << 0 << Kind::Topic << 0;
        QTest::newRow("command 4") << 4 << 20 << 0 << Kind::Topic << 0;
        QTest::newRow("negative command") << -1 << 20 << 0 << Kind::Topic << 0;
    }

    void commands()
    {
        QFETCH(int, command);
        QFETCH(int, number);
        QFETCH(int, calls);
        QFETCH(Kind, kind);
        QFETCH(int, topic);
        QWidget owner;
        FakeHelpViewer viewer;
        ShowHelp(viewer, &owner, command, number);
        QCOMPARE(int(viewer.calls.size()), calls);
        if (calls == 0)
            return;
        QCOMPARE(viewer.calls.front().kind, kind);
        QCOMPARE(viewer.calls.front().topic, topic);
        if (kind != Kind::Close)
            QCOMPARE(viewer.calls.front().owner, &owner);
    }
};

QTEST_MAIN(ShowHelpTest)
#include "tst_showhelp.moc"
