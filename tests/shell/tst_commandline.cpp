#include "AppVersion.h"
#include "CommandLine.h"

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
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
