#include "fakes/DialogSteps.h"
#include "fakes/FakeHelpViewer.h"
#include "core/GameOptions.h"
#include "core/SlotGame.h"
#include "play/StatisticsDialog.h"

#include <QLabel>
#include <QTest>

using namespace strhaven;

class TestGameStats : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<int>("inserted");
        QTest::addColumn<int>("credits");
        QTest::addColumn<int>("played");
        QTest::addColumn<int>("won");
        QTest::addColumn<QString>("shown"); // value | verdict | difference | percent of return
        QTest::newRow("quarter, ahead") << 4.0f << 20 << 93 << 0 << 0 << "$23.25 |You are ahead:|$3.25 | ";
        QTest::newRow("dollar, even") << 1.0f << 10 << 10 << 0 << 0 << "$10.00 |You are even:|$0.00 | ";
        QTest::newRow("nickel, down") << 20.0f << 5 << 0 << 0 << 0 << "$0.00 |You are down:|$5.00 | ";
        QTest::newRow("95 percent") << 1.0f << 300 << 285 << 300 << 285 << "$285.00 |You are down:|$15.00 |95.00% ";
        // Single precision: 2 credits at 0.2 per dollar are worth $10 exactly.
        QTest::newRow("five dollars, even") << 0.2f << 10 << 2 << 0 << 0 << "$10.00 |You are even:|$0.00 | ";
        QTest::newRow("thousands") << 20.0f << 100000 << 100000 << 12345 << 100000
                                   << "$5,000.00 |You are down:|$95,000.00 |810.04% ";
    }
    void figures()
    {
        QFETCH(float, machine);
        QFETCH(int, inserted);
        QFETCH(int, credits);
        QFETCH(int, played);
        QFETCH(int, won);
        QFETCH(QString, shown);
        SlotGame game;
        game.amountInserted = inserted;
        game.credits = credits;
        game.creditsPlayed = played;
        game.creditsWon = won;
        game.spins = 12345;
        GameOptions options;
        options.machine = machine;
        FakeHelpViewer help;
        StatisticsDialog dialog(game, options, help, nullptr);
        QStringList labels;
        for (const char* name : {"lblCreditsValue", "Label9", "lblAheadorDown", "lblReturn"})
            labels << dialog.label(name)->text();
        QCOMPARE(labels.join('|'), shown);
        QCOMPARE(dialog.label("lblSpins")->text(), QString("12,345 "));
    }

    // F1 and Help open the statistics topic; every way of closing closes
    // the help viewer too.
    void help_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("asked");
        QTest::newRow("F1") << "show F1 OK" << "topic 60,close";
        QTest::newRow("Help") << "show Help OK" << "topic 60,close";
        QTest::newRow("OK") << "show OK" << "close";
        QTest::newRow("Escape") << "show Esc" << "close";
    }
    void help()
    {
        QFETCH(QString, steps);
        QFETCH(QString, asked);
        SlotGame game;
        GameOptions options;
        FakeHelpViewer help;
        QWidget owner;
        StatisticsDialog dialog(game, options, help, &owner);
        playSteps(dialog, steps);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(help.asked(), asked);
        for (const auto& c : help.calls)
            QVERIFY(c.kind == FakeHelpViewer::Kind::Close || c.owner == &owner);
    }
};

QTEST_MAIN(TestGameStats)
#include "tst_statisticsdialog.moc"
