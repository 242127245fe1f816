#include "fakes/DialogSteps.h"
#include "fakes/FakeHelpViewer.h"
#include "fakes/FakeOptionsTarget.h"
#include "core/GameOptions.h"
#include "core/SlotGame.h"
#include "settings/GameOptionsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

using namespace strhaven;

namespace {

struct Rig {
    QWidget mainWindow;
    GameOptions options;
    SlotGame game;
    FakeOptionsTarget target;
    FakeHelpViewer help;
    GameOptionsDialog dialog{options, game, target, help, &mainWindow};

    Rig() { target.snapshot = [this] { return state(); }; }
    QString state() const
    {
        const GameOptions& o = options;
        return QStringLiteral("speed %1 sounds %2%3%4%5 last %6 machine %7 %8 credits %9 changed %10")
            .arg(o.WheelSpeed).arg(o.Sound).arg(o.WheelSound).arg(o.CoinSound).arg(o.JackPotSound).arg(o.LoadLastFile)
            .arg(double(o.Machine)).arg(QString::fromStdString(o.Payout)).arg(game.Credits).arg(game.GameChanged);
    }
    // What the dialog shows: the checked options, then each sound box as
    // ticked (x), clear (-) or greyed and ticked (X), greyed and clear (_).
    QString shown() const
    {
        QStringList names;
        for (const auto* option : dialog.findChildren<QRadioButton*>())
            if (option->isChecked())
                names << option->objectName();
        QString boxes;
        for (const char* name : {"chkSound", "chkWheelSound", "chkCoinSound", "chkJackPotSound", "chkLoadLastFile"}) {
            const auto* box = dialog.findChild<QCheckBox*>(name);
            boxes += box->isEnabled() ? (box->isChecked() ? 'x' : '-') : (box->isChecked() ? 'X' : '_');
        }
        return names.join(' ') + ' ' + boxes + ' ' + QString::number(dialog.findChild<QSlider*>()->value());
    }
};

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    // What opens is what is stored; a value no option matches shows the
    // options as designed and survives an OK that did not touch them.
    void opening_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<QString>("payout");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Nickel") << 20.0f << "GoodDay" << "optNickel optGoodDay -X_X- 7";
        QTest::newRow("Dime") << 10.0f << "Fantasy" << "optDime optFantasy -X_X- 7";
        QTest::newRow("Quarter") << 4.0f << "Realistic" << "optQuarter optRealistic -X_X- 7";
        QTest::newRow("Half Dollar") << 2.0f << "Fantasy" << "optHalfDollar optFantasy -X_X- 7";
        QTest::newRow("Dollar") << 1.0f << "GoodDay" << "optDollar optGoodDay -X_X- 7";
        QTest::newRow("Two Dollars") << 0.5f << "Realistic" << "optTwoDollars optRealistic -X_X- 7";
        QTest::newRow("Five Dollars") << 0.2f << "Fantasy" << "optFiveDollars optFantasy -X_X- 7";
        QTest::newRow("unmatched machine") << 3.0f << "Realistic" << "optDollar optRealistic -X_X- 7";
        QTest::newRow("near 0.2 is no match") << 0.2000001f << "Realistic" << "optDollar optRealistic -X_X- 7";
        QTest::newRow("unmatched payout") << 10.0f << "goodday" << "optDime optGoodDay -X_X- 7";
    }
    void opening()
    {
        QFETCH(float, machine);
        QFETCH(QString, payout);
        QFETCH(QString, shown);
        Rig rig;
        rig.options.Machine = machine;
        rig.options.Payout = payout.toStdString();
        rig.options.WheelSpeed = 7;
        rig.options.Sound = rig.options.CoinSound = rig.options.LoadLastFile = 0;
        rig.game.Credits = 33;
        rig.game.AmountInserted = 20;
        // A second showing must not keep what the first one showed.
        playSteps(rig.dialog, "show optFiveDollars optRealistic Cancel show");
        QCOMPARE(rig.shown(), shown);
        const QString stored = rig.state();
        playSteps(rig.dialog, "OK");
        QCOMPARE(rig.state(), QString(stored).replace("changed 0", "changed 1"));
    }

    // The credits follow the denomination, and the window is shown the new
    // denomination's picture and $5 slot.
    void conversion_data()
    {
        QTest::addColumn<int>("credits");
        QTest::addColumn<int>("inserted");
        QTest::addColumn<float>("from");
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QString>("shown"); // credits, coin cents, $5 slot
        QTest::newRow("quarter to nickel") << 40 << 10 << 4.0f << "optNickel" << "200 5 open";
        QTest::newRow("nickel to dollar: held at 0, not -190") << 0 << 10 << 20.0f << "optDollar" << "0 100 open";
        QTest::newRow("held at the cap") << 90000 << 1000 << 1.0f << "optNickel" << "100000 5 open";
        QTest::newRow("largest counts, no overflow") << 100000 << 100000 << 0.2f << "optNickel" << "100000 5 open";
        QTest::newRow("7.5: half up to even") << 10 << 5 << 1.0f << "optTwoDollars" << "8 200 shut";
        QTest::newRow("6.5: half down to even") << 9 << 5 << 1.0f << "optTwoDollars" << "6 200 shut";
        // 0.2f is a little more than 0.2: $10 on Five Dollars is still 2 credits.
        QTest::newRow("five dollars to dollar") << 2 << 10 << 0.2f << "optDollar" << "10 100 open";
        QTest::newRow("same machine") << 57 << 10 << 0.2f << "optFiveDollars" << "57 500 shut";
        QTest::newRow("unmatched machine, untouched") << 57 << 10 << 3.0f << "" << "57 33 open";
    }
    void conversion()
    {
        QFETCH(int, credits);
        QFETCH(int, inserted);
        QFETCH(float, from);
        QFETCH(QString, choose);
        QFETCH(QString, shown);
        Rig rig;
        rig.game.Credits = credits;
        rig.game.AmountInserted = inserted;
        rig.options.Machine = from;
        rig.target.snapshot = [&rig] {
            return QStringLiteral("%1 %2 %3").arg(rig.game.Credits).arg(coinCents(rig.options.Machine))
                .arg(fiveDollarSlotShut(rig.options.Machine) ? "shut" : "open");
        };
        playSteps(rig.dialog, "show " + choose + " OK");
        QCOMPARE(rig.target.calls.filter("showMachine"), QStringList{"showMachine " + shown});
    }

    // Each step sees the ones before it done and the ones after it not yet;
    // greyed sound boxes keep and store their ticks; Help and F1 open the
    // dialog's topic over the main window.
    void okSteps()
    {
        Rig rig;
        rig.options.Machine = 4.0f;
        rig.game.Credits = 40;
        rig.game.AmountInserted = 10;
        playSteps(rig.dialog, "show Help F1");
        rig.dialog.findChild<QSlider*>()->setValue(2);
        playSteps(rig.dialog, "chkSound");
        QCOMPARE(rig.shown().section(' ', 2, 2), QString("-XXXx")); // greyed, still ticked
        playSteps(rig.dialog, "optNickel optFantasy OK");
        QCOMPARE(rig.target.calls.join('\n'),
                 QString("showCredits speed 2 sounds 0111 last 1 machine 4 GoodDay credits 200 changed 0\n"
                         "showMachine speed 2 sounds 0111 last 1 machine 20 GoodDay credits 200 changed 0\n"
                         "applyPayout speed 2 sounds 0111 last 1 machine 20 Fantasy credits 200 changed 0\n"
                         "saveSettings speed 2 sounds 0111 last 1 machine 20 Fantasy credits 200 changed 1"));
        QCOMPARE(rig.help.asked(), QString("topic 30,topic 30,close"));
        QCOMPARE(rig.help.calls[0].owner, &rig.mainWindow);
    }

    // A store that cannot be written does not keep the dialog open: the
    // options are in force, and the failure goes to whoever showed it.
    void saveFailureIsHandedOn()
    {
        Rig rig;
        rig.target.saveFails = true;
        playSteps(rig.dialog, "show optNickel OK");
        QVERIFY(!rig.dialog.isVisible());
        QCOMPARE(rig.options.Machine, 20.0f);
        int failure = 0;
        try {
            rig.dialog.rethrowSaveFailure();
        } catch (const RunError& e) {
            failure = e.number();
        }
        QCOMPARE(failure, int(ErrorNumber::PermissionDenied));
        // The next OK that saves hands on nothing.
        rig.target.saveFails = false;
        playSteps(rig.dialog, "show OK");
        rig.dialog.rethrowSaveFailure();
    }

    // The slider runs from Faster, over its left end, to Slower over its
    // right end: a click on the groove under each word moves the speed
    // towards it.
    void sliderRunsFasterToSlower()
    {
        Rig rig;
        rig.options.WheelSpeed = 5;
        rig.mainWindow.show();
        playSteps(rig.dialog, "show");
        QVERIFY(QTest::qWaitForWindowExposed(&rig.dialog));
        auto* slider = rig.dialog.findChild<QSlider*>();
        // The groove's height only: where along it each value lies is what is tested.
        QStyleOptionSlider groove;
        groove.initFrom(slider);
        groove.orientation = Qt::Horizontal;
        groove.tickPosition = slider->tickPosition();
        groove.subControls = QStyle::SC_SliderGroove;
        const int y = slider->style()->subControlRect(QStyle::CC_Slider, &groove, QStyle::SC_SliderGroove, slider).center().y();
        QStringList moves;
        for (const char* word : {"Label1", "Label2", "Label2"}) {
            const auto* label = rig.dialog.findChild<QLabel*>(word);
            const QPoint under(slider->mapFrom(&rig.dialog, label->mapTo(&rig.dialog, label->rect().center())).x(), y);
            QTest::mouseClick(slider, Qt::LeftButton, {}, under);
            moves << label->text() + ' ' + QString::number(slider->value());
        }
        QCOMPARE(moves.join(", "), QString("Faster 4, Slower 5, Slower 6"));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "closebox";
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, how);
        Rig rig;
        rig.game.Credits = 40;
        rig.game.AmountInserted = 10;
        const QString before = rig.state();
        playSteps(rig.dialog, "show");
        rig.dialog.findChild<QSlider*>()->setValue(9);
        playSteps(rig.dialog, "chkWheelSound chkCoinSound chkJackPotSound chkSound chkLoadLastFile optNickel optRealistic " + how);
        QVERIFY(!rig.dialog.isVisible());
        QCOMPARE(rig.state(), before);
        QVERIFY(rig.target.calls.isEmpty());
        QCOMPARE(rig.help.asked(), QString("close"));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_gameoptionsdialog.moc"
