#include "PathHelpers.h"
#include "WindowTitle.h"

#include <QTest>

using namespace strhaven;

class TestWindowTitle : public QObject {
    Q_OBJECT
private slots:
    void splitPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("windows folder") << R"(C:\Games\mygame.shs)" << "mygame.shs" << R"(C:\Games\)";
        QTest::newRow("trailing backslash") << R"(C:\Games\)" << "" << R"(C:\Games\)";
        QTest::newRow("no separator") << "mygame.shs" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("unix path") << "/home/x/y.shs" << "y.shs" << "/home/x/";
        QTest::newRow("last of mixed separators") << R"(/home/x\sub/y.shs)" << "y.shs" << R"(/home/x\sub/)";
        QTest::newRow("backslash after slash") << R"(/home/x/a\y.shs)" << "y.shs" << R"(/home/x/a\)";
    }
    void splitPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QCOMPARE(ExtractFileName(path), name);
        QCOMPARE(ExtractFolder(path), folder);
    }

    void titleForAPath()
    {
        for (const QString path : {"/home/x/mygame.shs", R"(C:\Games\mygame.shs)", "mygame.shs"}) {
            QCOMPARE(titleFor(path), QString("Star Haven Virtual Slots - mygame.shs"));
            QVERIFY(!isUntitled(titleFor(path)));
        }
    }
};

QTEST_GUILESS_MAIN(TestWindowTitle)
#include "tst_windowtitle.moc"
