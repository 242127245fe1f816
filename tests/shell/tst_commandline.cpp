#include "AppVersion.h"
#include "CommandLine.h"

#include <QTest>

using namespace strhaven;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void infoOnlyAsTheSoleArgument_data();
    void infoOnlyAsTheSoleArgument();
};

void TestCommandLine::infoOnlyAsTheSoleArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printedStart"); // empty: the game starts

    const QString game = QStringLiteral("strhaven");
    QTest::newRow("no argument") << QStringList{game} << QString();
    QTest::newRow("help") << QStringList{game, QStringLiteral("--help")}
                          << QStringLiteral("Usage: strhaven [GAME FILE]\n");
    QTest::newRow("version") << QStringList{game, QStringLiteral("--version")}
                             << QStringLiteral("Star Haven Virtual Slots %1\n").arg(versionText());
    QTest::newRow("a path that starts like an option")
        << QStringList{game, QStringLiteral("--help"), QStringLiteral("me.shs")} << QString();
    QTest::newRow("a path ending in the word")
        << QStringList{game, QStringLiteral("my"), QStringLiteral("--version")} << QString();
    QTest::newRow("a file named like it") << QStringList{game, QStringLiteral("--help.shs")} << QString();
    QTest::newRow("unknown option is a path") << QStringList{game, QStringLiteral("-h")} << QString();
}

void TestCommandLine::infoOnlyAsTheSoleArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printedStart);
    const std::optional<QString> text = infoText(arguments);
    QCOMPARE(text.has_value(), !printedStart.isEmpty());
    if (text)
        QVERIFY2(text->startsWith(printedStart), qPrintable(*text));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
