#include "shell/AppVersion.h"
#include "shell/CommandLine.h"
#include "seams/LocalFiles.h"

#include <QTest>

using namespace strhaven;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void infoOnlyAsTheSoleArgument_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<QString>("printedStart"); // empty: the game starts
        QTest::newRow("no argument") << QStringList{} << QString();
        QTest::newRow("help") << QStringList{"--help"} << QStringLiteral("Usage: strhaven [GAME FILE]\n");
        QTest::newRow("version") << QStringList{"--version"} << QStringLiteral("Star Haven Virtual Slots %1\n").arg(versionText());
        QTest::newRow("a path that starts like an option") << QStringList{"--help", "me.shs"} << QString();
        QTest::newRow("a path ending in the word") << QStringList{"my", "--version"} << QString();
        QTest::newRow("a file named like it") << QStringList{"--help.shs"} << QString();
        QTest::newRow("unknown option is a path") << QStringList{"-h"} << QString();
    }
    void infoOnlyAsTheSoleArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printedStart);
        const std::optional<QString> text = infoText(QStringList{"strhaven"} + arguments);
        QCOMPARE(text.has_value(), !printedStart.isEmpty());
        if (text)
            QVERIFY2(text->startsWith(printedStart), qPrintable(*text));
    }

    // Every argument is a part of the game file's path, as the bytes say:
    // none is taken for an option, none loses a byte that is not UTF-8.
    void pathArguments_data()
    {
        QTest::addColumn<QByteArrayList>("argv");
        QTest::addColumn<QByteArray>("joined"); // the path the game opens, as bytes
        QTest::newRow("options of the toolkit") << QByteArrayList{"-reverse", "-stylesheet=x.shs"}
                                                << QByteArray("-reverse -stylesheet=x.shs");
        QTest::newRow("a Latin-1 name") << QByteArrayList{"/tmp/caf\xe9.shs"} << QByteArray("/tmp/caf\xe9.shs");
        QTest::newRow("UTF-8 and blanks") << QByteArrayList{"/tmp/my", "caf\xc3\xa9.shs"} << QByteArray("/tmp/my caf\xc3\xa9.shs");
    }
    void pathArguments()
    {
        QFETCH(QByteArrayList, argv);
        QFETCH(QByteArray, joined);
        std::vector<const char*> args{"strhaven"};
        for (const QByteArray& a : argv)
            args.push_back(a.constData());
        const QStringList paths = strhaven::pathArguments(int(args.size()), args.data());
        QCOMPARE(paths.size(), argv.size());
        QCOMPARE(nativePath(paths.join(' ')), joined);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
