#include "seams/LocalFiles.h"
#include "files/PathHelpers.h"
#include "files/WindowTitle.h"

#include <QTest>

using namespace strhaven;

class TestWindowTitle : public QObject {
    Q_OBJECT
private slots:
    // A path splits at its last slash; a backslash separates only on
    // Windows and is part of a name everywhere else.
    void splitPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("no separator") << "mygame.shs" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("unix path") << "/home/x/y.shs" << "y.shs" << "/home/x/";
        QTest::newRow("trailing slash") << "/home/x/" << "" << "/home/x/";
#ifdef Q_OS_WIN
        QTest::newRow("windows folder") << R"(C:\Games\mygame.shs)" << "mygame.shs" << R"(C:\Games\)";
        QTest::newRow("last of mixed separators") << R"(/home/x\sub/y.shs)" << "y.shs" << R"(/home/x\sub/)";
        QTest::newRow("backslash after slash") << R"(/home/x/a\y.shs)" << "y.shs" << R"(/home/x/a\)";
#else
        QTest::newRow("a backslash in a name") << R"(/home/x/back\slash.shs)" << R"(back\slash.shs)" << "/home/x/";
        QTest::newRow("a windows path is one name") << R"(C:\Games\mygame.shs)" << "" << "";
#endif
    }
    void splitPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QCOMPARE(ExtractFileName(path), name);
        QCOMPARE(ExtractFolder(path), folder);
    }

    void titleForAPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("a path") << "/home/x/mygame.shs" << "Star Haven Virtual Slots - mygame.shs";
        QTest::newRow("a bare name") << "mygame.shs" << "Star Haven Virtual Slots - mygame.shs";
        QTest::newRow("a file named like no file")
            << "/home/x/[untitled]" << "Star Haven Virtual Slots - [untitled]";
        QTest::newRow("a name that is not UTF-8")
            << pathFromNative("/home/x/caf\xe9.shs") << QString::fromUtf8("Star Haven Virtual Slots - caf\uFFFD.shs");
#ifndef Q_OS_WIN
        QTest::newRow("a backslash in a name") << R"(/home/x/back\slash.shs)" << R"(Star Haven Virtual Slots - back\slash.shs)";
#endif
    }
    void titleForAPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(titleFor(path), title);
    }
};

QTEST_GUILESS_MAIN(TestWindowTitle)
#include "tst_windowtitle.moc"
