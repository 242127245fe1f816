#include "fakes/DialogSteps.h"
#include "fakes/FakeHelpViewer.h"
#include "core/GameOptions.h"
#include "core/SlotGame.h"
#include "play/CashOutButtonDialog.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using namespace strhaven;

namespace {

// The dialog as the main window uses it: each showing starts from the
// options, and OK's choice is taken into them, the game marked changed and
// the settings saved.
struct Rig {
    QWidget mainWindow;
    GameOptions options;
    SlotGame game;
    FakeHelpViewer help;
    int saves = 0;
    CashOutButtonDialog dialog{help, &mainWindow};

    Rig()
    {
        QObject::connect(&dialog, &QDialog::accepted, [this] {
            options.cashOut = dialog.chosenCashOut();
            options.showStats = dialog.chosenShowStats();
            game.changed = true;
            ++saves;
        });
    }
    void play(const QString& steps)
    {
        dialog.setOptions(options);
        playSteps(dialog, steps);
    }
};

// The action as the settings store writes it: "Exit", "New", or empty.
CashOutAction actionOf(const QString& text)
{
    return text == "Exit" ? CashOutAction::Exit : text == "New" ? CashOutAction::NewGame : CashOutAction::Unchosen;
}
QString textOf(CashOutAction action)
{
    return action == CashOutAction::Exit ? "Exit" : action == CashOutAction::NewGame ? "New" : "";
}

} // namespace

class TestCashOutButtonDialog : public QObject {
    Q_OBJECT
private slots:
    // Each showing starts from the settings; OK stores the shown choice and
    // the box, marks the game changed and saves once; every other way out
    // changes nothing. Help and F1 open the dialog's topic; the help viewer
    // is closed at every close.
    void showings_data()
    {
        QTest::addColumn<QString>("cashOut");
        QTest::addColumn<QString>("showStats");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after"); // CashOut | ShowStats | changed | saves | help asked
        QTest::newRow("OK without changes") << "New" << "0" << "show OK" << "New|0|1|1|close";
        QTest::newRow("OK after changing both") << "Exit" << "1" << "show optNewGame chkShowStats OK" << "New|0|1|1|close";
        QTest::newRow("Enter is OK") << "Exit" << "0" << "show optNewGame Enter" << "New|0|1|1|close";
        QTest::newRow("Cancel after changing both") << "Exit" << "1" << "show optNewGame chkShowStats Cancel" << "Exit|1|0|0|close";
        QTest::newRow("Esc") << "Exit" << "1" << "show optNewGame chkShowStats Esc" << "Exit|1|0|0|close";
        QTest::newRow("close box") << "New" << "0" << "show optExitGame chkShowStats closebox" << "New|0|0|0|close";
        QTest::newRow("cancelled choice, reopened from the settings")
            << "Exit" << "1" << "show optNewGame Cancel show OK" << "Exit|1|1|1|close,close";
        QTest::newRow("choice across showings") << "New" << "1" << "show optExitGame OK show OK" << "Exit|1|1|2|close,close";
        QTest::newRow("neither shown: OK chooses none") << "" << "1" << "show OK" << "|1|1|1|close";
        QTest::newRow("neither shown: a cancelled choice is not kept")
            << "" << "1" << "show optNewGame Cancel show OK" << "|1|1|1|close,close";
        QTest::newRow("Help and F1") << "Exit" << "1" << "show Help F1 Cancel" << "Exit|1|0|0|topic 40,topic 40,close";
    }
    void showings()
    {
        QFETCH(QString, cashOut);
        QFETCH(QString, showStats);
        QFETCH(QString, script);
        QFETCH(QString, after);
        Rig rig;
        rig.options.cashOut = actionOf(cashOut);
        rig.options.showStats = showStats == "1";
        rig.play(script);
        QVERIFY(!rig.dialog.isVisible());
        const QStringList seen{textOf(rig.options.cashOut), QString::number(rig.options.showStats),
                               QString::number(rig.game.changed), QString::number(rig.saves), rig.help.asked()};
        QCOMPARE(seen.join('|'), after);
        for (const auto& c : rig.help.calls)
            QVERIFY(c.kind == FakeHelpViewer::Kind::Close || c.owner == &rig.mainWindow);
        // The next showing shows what is stored now, neither option for a value that is neither.
        rig.play("show");
        const QString stored = textOf(rig.options.cashOut);
        QCOMPARE(rig.dialog.findChild<QRadioButton*>("optExitGame")->isChecked(), stored == "Exit");
        QCOMPARE(rig.dialog.findChild<QRadioButton*>("optNewGame")->isChecked(), stored == "New");
        QCOMPARE(rig.dialog.findChild<QCheckBox*>("chkShowStats")->isChecked(), rig.options.showStats);
    }

    // However the last showing ended and wherever it was left, the next one
    // comes up as the first did: centred on the main window, OK taking Enter.
    void eachShowingStartsAfresh()
    {
        Rig rig;
        rig.mainWindow.setGeometry(200, 150, 640, 468);
        rig.mainWindow.show();
        rig.options.cashOut = CashOutAction::Exit;
        QStringList seen;
        for (int showing = 0; showing < 2; ++showing) {
            rig.play("show");
            const QWidget* focus = rig.dialog.focusWidget();
            seen << QStringLiteral("%1 %2").arg(focus ? focus->objectName() : QString("no focus"))
                        .arg(rig.dialog.geometry().center() == rig.mainWindow.geometry().center() ? "centred" : "off");
            // Focus on Cancel by a click that misses it, then moved away.
            auto* cancel = rig.dialog.findChild<QWidget*>("btnCancel");
            cancel->setFocus();
            rig.dialog.move(10, 10);
            QTest::keyClick(cancel, Qt::Key_Escape);
        }
        rig.play("show optNewGame");
        rig.dialog.findChild<QWidget*>("btnOK")->setFocus();
        playSteps(rig.dialog, "Enter");
        QCOMPARE(rig.saves, 1);
        QCOMPARE(seen.join(", "), QString("btnOK centred, btnOK centred"));
        QVERIFY(rig.options.cashOut == CashOutAction::NewGame);
    }
};

QTEST_MAIN(TestCashOutButtonDialog)
#include "tst_cashoutbuttondialog.moc"
