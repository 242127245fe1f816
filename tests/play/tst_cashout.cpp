#include "FakeHelpViewer.h"
#include "FocusChain.h"
#include "GameOptions.h"
#include "SlotGame.h"
#include "frmCashOut.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace strhaven;

namespace {

struct Rig {
    QWidget mainWindow;
    GameOptions options;
    SlotGame game;
    FakeHelpViewer help;
    int saves = 0;
    frmCashOut dialog{options, game, help, [this] { ++saves; }, &mainWindow};

    template <typename T = QWidget>
    T* control(const char* name) { return dialog.findChild<T*>(QString::fromLatin1(name)); }
    // Near the left edge, where the box or the circle of an option is.
    void click(const char* name)
    {
        QWidget* w = control(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }

    // Plays the player's steps: show, Exit, New, stats (the check box), OK,
    // Cancel, Enter, Esc, closebox.
    void play(const QString& script)
    {
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step == "show")
                dialog.show();
            else if (step == "Exit" || step == "New")
                click(step == "Exit" ? "optExitGame" : "optNewGame");
            else if (step == "stats")
                click("chkShowStats");
            else if (step == "OK" || step == "Cancel")
                click(step == "OK" ? "btnOK" : "btnCancel");
            else if (step == "Enter" || step == "Esc")
                QTest::keyClick(control("chkShowStats"), step == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            else if (step == "closebox")
                dialog.close();
            else
                QFAIL(qPrintable("unknown step " + step));
        }
    }
};

} // namespace

class TestCashOut : public QObject {
    Q_OBJECT
private slots:
    // Each showing starts from the settings; OK stores the shown choice and
    // the box, marks the game changed and saves once; every other way out
    // changes nothing. The help viewer is closed at every close.
    void showings_data()
    {
        QTest::addColumn<QString>("cashOut");
        QTest::addColumn<QString>("showStats");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after"); // CashOut | ShowStats | changed | saves | help asked
        QTest::newRow("OK without changes") << "New" << "0" << "show OK" << "New|0|1|1|close";
        QTest::newRow("OK after changing both") << "Exit" << "1" << "show New stats OK" << "New|0|1|1|close";
        QTest::newRow("Enter is OK") << "Exit" << "0" << "show New Enter" << "New|0|1|1|close";
        QTest::newRow("Cancel after changing both") << "Exit" << "1" << "show New stats Cancel" << "Exit|1|0|0|close";
        QTest::newRow("Esc") << "Exit" << "1" << "show New stats Esc" << "Exit|1|0|0|close";
        QTest::newRow("close box") << "New" << "0" << "show Exit stats closebox" << "New|0|0|0|close";
        QTest::newRow("cancelled choice, reopened from the settings")
            << "Exit" << "1" << "show New Cancel show OK" << "Exit|1|1|1|close,close";
        QTest::newRow("choice across showings") << "New" << "1" << "show Exit OK show OK" << "Exit|1|1|2|close,close";
        QTest::newRow("neither shown: OK writes empty") << "exit" << "1" << "show OK" << "|1|1|1|close";
        QTest::newRow("neither shown: a cancelled choice is not kept")
            << "" << "1" << "show New Cancel show OK" << "|1|1|1|close,close";
        QTest::newRow("stats as a number") << "Exit" << " 2 " << "show OK" << "Exit|1|1|1|close";
        QTest::newRow("stats not a number: off") << "Exit" << "yes" << "show OK" << "Exit|0|1|1|close";
    }
    void showings()
    {
        QFETCH(QString, cashOut);
        QFETCH(QString, showStats);
        QFETCH(QString, script);
        QFETCH(QString, after);
        Rig rig;
        rig.options.CashOut = cashOut.toStdString();
        rig.options.ShowStats = showStats.toStdString();
        rig.play(script);
        QVERIFY(!rig.dialog.isVisible());
        const QStringList seen{QString::fromStdString(rig.options.CashOut), QString::fromStdString(rig.options.ShowStats),
                               QString::number(rig.game.GameChanged), QString::number(rig.saves), rig.help.asked()};
        QCOMPARE(seen.join('|'), after);
        // The next showing shows what is stored now, neither option for a value that is neither.
        rig.dialog.show();
        const QString stored = QString::fromStdString(rig.options.CashOut);
        QCOMPARE(rig.control<QRadioButton>("optExitGame")->isChecked(), stored == "Exit");
        QCOMPARE(rig.control<QRadioButton>("optNewGame")->isChecked(), stored == "New");
        QCOMPARE(rig.control<QCheckBox>("chkShowStats")->isChecked(), rig.options.ShowStats == "1");
    }

    void helpButtonAndF1()
    {
        Rig rig;
        rig.play("show");
        rig.click("btnHelp");
        QTest::keyRelease(rig.control("chkShowStats"), Qt::Key_F1);
        QCOMPARE(rig.help.asked(), QString("topic 40,topic 40"));
        QCOMPARE(rig.help.calls[0].owner, &rig.mainWindow);
    }

    void tabOrder()
    {
        Rig rig;
        QCOMPARE(focusChain(&rig.dialog), QString("optExitGame optNewGame chkShowStats btnOK btnCancel btnHelp"));
        QVERIFY(rig.control<QPushButton>("btnOK")->isDefault());
    }
};

QTEST_MAIN(TestCashOut)
#include "tst_cashout.moc"
