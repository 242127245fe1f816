#include "fakes/WindowRig.h"
#include "fakes/ModalWatch.h"

#include <QDialog>
#include <QLabel>

using namespace strhaven;

class TestCashOutButton : public QObject {
    Q_OBJECT
private slots:
    // The configured action, with or without the statistics first: never a
    // question, the settings always saved.
    void cashOut_data()
    {
        QTest::addColumn<QString>("cashOut");
        QTest::addColumn<QString>("showStats");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("outcome"); // dialogs shown | what happened
        const int left = Qt::LeftButton;
        // The statistics are those of the game being cashed out.
        QTest::newRow("Exit, stats") << "Exit" << "1" << left << 0 << "StatisticsDialog $40.00|saved, program ended";
        QTest::newRow("Exit, no stats") << "Exit" << "0" << left << 0 << "|saved, program ended";
        QTest::newRow("New, stats") << "New" << "1" << left << 0 << "StatisticsDialog $40.00|saved, new game";
        QTest::newRow("New, no stats") << "New" << "0" << left << 0 << "|saved, new game";
        QTest::newRow("\"new\" acts as Exit") << "new" << "0" << left << 0 << "|saved, program ended";
        QTest::newRow("empty acts as Exit") << "" << "0" << left << 0 << "|saved, program ended";
        QTest::newRow("right click") << "New" << "1" << int(Qt::RightButton) << 0 << "|";
        QTest::newRow("Shift click") << "Exit" << "1" << left << int(Qt::ShiftModifier) << "|";
        QTest::newRow("Alt click") << "Exit" << "1" << left << int(Qt::AltModifier) << "|";
    }
    void cashOut()
    {
        QFETCH(QString, cashOut);
        QFETCH(QString, showStats);
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(QString, outcome);
        WindowRig rig;
        rig.set("CashOut/CashOut", cashOut);
        rig.set("CashOut/ShowStats", showStats);
        rig.start();
        rig.setOptions([](GameOptions& o) { o.wheelSpeed = 3; }); // reaches the store only if the settings are saved
        rig.setCredits(40, true);
        QString dialogs;
        whenShown<QDialog>(rig.window.get(), [&](QDialog* d) {
            const auto* value = d->findChild<QLabel*>("lblCreditsValue");
            dialogs = d->objectName() + (value ? ' ' + value->text().trimmed() : QString());
            d->accept();
        });
        auto* cash = rig.face().cashOutButton();
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QTest::mousePress(cash, Qt::MouseButton(button), mods, QPoint(5, 5));
        const bool pressedShown = cash->picture() == ImageButton::Picture::Pressed;
        QTest::mouseRelease(cash, Qt::MouseButton(button), mods, QPoint(5, 5));
        QStringList happened;
        if (rig.store()->value("Options/WheelSpeed").toString() == "3")
            happened << "saved";
        if (rig.game().credits == 0 && !rig.game().changed)
            happened << "new game";
        if (!rig.programEnds.isEmpty()) {
            // The window is gone, and closing it after the end asks nothing.
            QCOMPARE(rig.programEnds, QList<int>{0});
            QVERIFY(!rig.window->isVisible() && rig.window->close());
            QCOMPARE(rig.help.calls.back().kind, FakeHelpViewer::Kind::Close);
            happened << "program ended";
        }
        QCOMPARE(dialogs + '|' + happened.join(", "), outcome);
        QVERIFY(rig.prompter.messages.isEmpty()); // the changed game is not asked about
        QCOMPARE(pressedShown, !happened.isEmpty());
        QCOMPARE(cash->picture(), ImageButton::Picture::Normal);
    }
};

QTEST_MAIN(TestCashOutButton)
#include "tst_cashoutbutton.moc"
