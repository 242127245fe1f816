#include "fakes/DialogSteps.h"
#include "fakes/FakeHelpViewer.h"
#include "core/GameOptions.h"
#include "settings/GameOptionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

using namespace strhaven;

namespace {

// The dialog as the main window uses it: made over the options in force,
// and OK's choice taken into them.
struct Rig {
    QWidget mainWindow;
    GameOptions options;
    FakeHelpViewer help;
    std::unique_ptr<GameOptionsDialog> made;

    GameOptionsDialog& dialog()
    {
        if (!made) {
            made = std::make_unique<GameOptionsDialog>(options, help, &mainWindow);
            QObject::connect(made.get(), &QDialog::accepted, [this] { options = made->chosen(); });
        }
        return *made;
    }
    QString state() const
    {
        const GameOptions& o = options;
        return QStringLiteral("speed %1 sounds %2%3%4%5 last %6 machine %7 %8 cash out %9")
            .arg(o.wheelSpeed).arg(o.sound).arg(o.wheelSound).arg(o.coinSound).arg(o.jackPotSound).arg(o.loadLastFile)
            .arg(double(o.machine)).arg(QString::fromStdString(std::string(toString(o.payout)))).arg(int(o.cashOut));
    }
    // What the dialog shows: the checked options, then each sound box as
    // ticked (x), clear (-) or greyed and ticked (X), greyed and clear (_).
    QString shown()
    {
        QStringList names;
        for (const auto* option : dialog().findChildren<QRadioButton*>())
            if (option->isChecked())
                names << option->objectName();
        QString boxes;
        for (const char* name : {"chkSound", "chkWheelSound", "chkCoinSound", "chkJackPotSound", "chkLoadLastFile"}) {
            const auto* box = dialog().findChild<QCheckBox*>(name);
            boxes += box->isEnabled() ? (box->isChecked() ? 'x' : '-') : (box->isChecked() ? 'X' : '_');
        }
        return names.join(' ') + ' ' + boxes + ' ' + QString::number(dialog().findChild<QSlider*>()->value());
    }
};

} // namespace

class TestGameOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    // What opens is what is stored; a machine no option matches shows the
    // default one and survives an OK that did not touch it.
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
    }
    void opening()
    {
        QFETCH(float, machine);
        QFETCH(QString, payout);
        QFETCH(QString, shown);
        Rig rig;
        rig.options.machine = machine;
        rig.options.payout = *payoutModeFromString(payout.toStdString());
        rig.options.wheelSpeed = 7;
        rig.options.sound = rig.options.coinSound = rig.options.loadLastFile = false;
        // A second showing must not keep what the first one showed.
        playSteps(rig.dialog(), "show optFiveDollars optRealistic Cancel show");
        QCOMPARE(rig.shown(), shown);
        const QString stored = rig.state();
        playSteps(rig.dialog(), "OK");
        QCOMPARE(rig.state(), stored);
    }

    // OK chooses what the controls show; greyed sound boxes keep and store
    // their ticks; Help and F1 open the dialog's topic over the main window.
    void okChoosesWhatIsShown()
    {
        Rig rig;
        rig.options.machine = 4.0f;
        rig.options.cashOut = CashOutAction::NewGame;
        playSteps(rig.dialog(), "show Help F1");
        rig.dialog().findChild<QSlider*>()->setValue(2);
        playSteps(rig.dialog(), "chkSound");
        QCOMPARE(rig.shown().section(' ', 2, 2), QString("-XXXx")); // greyed, still ticked
        playSteps(rig.dialog(), "optNickel optFantasy OK");
        QCOMPARE(rig.state(), QString("speed 2 sounds 0111 last 1 machine 20 Fantasy cash out 1"));
        QCOMPARE(rig.help.asked(), QString("topic 30,topic 30,close"));
        QCOMPARE(rig.help.calls[0].owner, &rig.mainWindow);
    }

    // The slider runs from Faster, over its left end, to Slower over its
    // right end: a click on the groove under each word moves the speed
    // towards it.
    void sliderRunsFasterToSlower()
    {
        Rig rig;
        rig.options.wheelSpeed = 5;
        rig.mainWindow.show();
        GameOptionsDialog& dialog = rig.dialog();
        playSteps(dialog, "show");
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* slider = dialog.findChild<QSlider*>();
        // The groove's height only: where along it each value lies is what is tested.
        QStyleOptionSlider groove;
        groove.initFrom(slider);
        groove.orientation = Qt::Horizontal;
        groove.tickPosition = slider->tickPosition();
        groove.subControls = QStyle::SC_SliderGroove;
        const int y = slider->style()->subControlRect(QStyle::CC_Slider, &groove, QStyle::SC_SliderGroove, slider).center().y();
        QStringList moves;
        for (const char* word : {"Label1", "Label2", "Label2"}) {
            const auto* label = dialog.findChild<QLabel*>(word);
            const QPoint under(slider->mapFrom(&dialog, label->mapTo(&dialog, label->rect().center())).x(), y);
            QTest::mouseClick(slider, Qt::LeftButton, {}, under);
            moves << label->text() + ' ' + QString::number(slider->value());
        }
        QCOMPARE(moves.join(", "), QString("Faster 4, Slower 5, Slower 6"));
    }

    // Tab follows the screen, the left column down, the right, then the
    // buttons; it enters each group of options at the one chosen, and the
    // arrows choose within. The slider tells a reader what its value means.
    void keyboardOrder_data()
    {
        QTest::addColumn<float>("machine");
        QTest::addColumn<QString>("visited");
        QTest::newRow("Dollar") << 1.0f
                                << "WheelSpeed chkSound chkLoadLastFile optDollar optGoodDay btnOK btnCancel btnHelp";
        QTest::newRow("Nickel") << 20.0f
                                << "WheelSpeed chkSound chkLoadLastFile optNickel optGoodDay btnOK btnCancel btnHelp";
    }
    void keyboardOrder()
    {
        QFETCH(float, machine);
        QFETCH(QString, visited);
        Rig rig;
        rig.options.machine = machine;
        rig.options.sound = false;
        rig.options.wheelSpeed = 6;
        rig.mainWindow.show();
        GameOptionsDialog& dialog = rig.dialog();
        playSteps(dialog, "show");
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* slider = dialog.findChild<QSlider*>();
        slider->setFocus();
        QCOMPARE(slider->accessibleName(), QString("Wheel speed 6, slower"));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(' '), visited);
        auto* chosen = dialog.findChild<QRadioButton*>(visited.section(' ', 3, 3));
        chosen->setFocus();
        QTest::keyClick(chosen, Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(QApplication::focusWidget()->property("checked").toBool());
        QCOMPARE(QApplication::focusWidget()->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(chosen->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(GameOptionsDialog::wheelSpeedText(0) + '|' + GameOptionsDialog::wheelSpeedText(5) + '|' +
                     GameOptionsDialog::wheelSpeedText(10),
                 QString("Wheel speed 0, fastest|Wheel speed 5, middle|Wheel speed 10, slowest"));
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
        const QString before = rig.state();
        playSteps(rig.dialog(), "show");
        rig.dialog().findChild<QSlider*>()->setValue(9);
        playSteps(rig.dialog(), "chkWheelSound chkCoinSound chkJackPotSound chkSound chkLoadLastFile optNickel optRealistic " + how);
        QVERIFY(!rig.dialog().isVisible());
        QCOMPARE(rig.dialog().result(), int(QDialog::Rejected));
        QCOMPARE(rig.state(), before);
        QCOMPARE(rig.help.asked(), QString("close"));
    }
};

QTEST_MAIN(TestGameOptionsDialog)
#include "tst_gameoptionsdialog.moc"
