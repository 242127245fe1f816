#include "fakes/PlayRig.h"
#include "widgets/Announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>

#include <map>

using namespace strhaven;

namespace {

// Seed 711's first spin on the Fantasy wheels lines up three Emblems.
constexpr std::uint64_t ThreeEmblemsSeed = 711;

QAccessibleInterface* accessibleOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button: return "button";
    case QAccessible::StaticText: return "text";
    case QAccessible::Table: return "table";
    default: return QString::number(role);
    }
}

// What a screen reader hears of the face: every text change, by the name of
// the object it came from, and every move of the focus. Qt hands every
// accessibility event to one handler, which the test takes over for its
// lifetime.
struct Listener {
    static inline std::vector<QString>* heard = nullptr;
    static inline int* focusMoves = nullptr;
    std::vector<QString> events;
    int focusChanges = 0;
    QAccessible::UpdateHandler previous;

    Listener()
    {
        heard = &events;
        focusMoves = &focusChanges;
        previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::TextUpdated && event->object())
                heard->push_back(event->object()->property("accessibleName").toString());
            if (event->type() == QAccessible::Focus)
                ++*focusMoves;
        });
    }
    ~Listener() { QAccessible::installUpdateHandler(previous); }
    int count(const QString& name) const { return int(std::count(events.begin(), events.end(), name)); }
};

} // namespace

// The machine face as a screen reader reads it and presses it, and as a
// player without a mouse plays it.
class TestFaceAccessibility : public QObject {
    Q_OBJECT
private slots:
    // Qt serves the tree once the accessibility bus has answered.
    void initTestCase() { QTRY_VERIFY(QAccessible::isActive()); }

    // Every control a sighted player clicks: a named push button with the
    // press action; the displays and the pay line as named texts.
    void controls_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("read"); // role | name | text | actions | enabled
        QTest::newRow("$5, shut on Two Dollars") << "bill5Slot" << "button|Insert a $5 bill|||0";
        QTest::newRow("$100") << "bill100Slot" << "button|Insert a $100 bill||Press,SetFocus|1";
        QTest::newRow("Play 1") << "play1Button" << "button|Play 1||Press,SetFocus|1";
        QTest::newRow("Play Max") << "play3Button" << "button|Play Max||Press,SetFocus|1";
        QTest::newRow("Cash Out") << "cashOutButton" << "button|Cash Out||Press,SetFocus|1";
        QTest::newRow("credits") << "creditsDisplay" << "text|Credits|25||1";
        QTest::newRow("won") << "wonDisplay" << "text|Won|0||1";
        QTest::newRow("pay line") << "payLine" << "text|Pay line|Red Seven, Blank, Emblem||1";
    }
    void controls()
    {
        QFETCH(QString, object);
        QFETCH(QString, read);
        PlayRig rig;
        rig.setGame(25, 0.5f);
        ReelGrid grid = rig.game().grid;
        grid.set(3, Symbol::RedSeven);
        grid.set(4, Symbol::Blank);
        grid.set(5, Symbol::Emblem);
        SlotGame g = rig.game();
        g.grid = grid;
        rig.machine.takeGame(rig.machine.options(), g);
        rig.player.showGame();
        QAccessibleInterface* iface = accessibleOf(rig.face.findChild<QWidget*>(object));
        QVERIFY(iface);
        QAccessibleTextInterface* text = iface->textInterface();
        QAccessibleActionInterface* actions = iface->actionInterface();
        const QStringList seen{roleName(iface->role()), iface->text(QAccessible::Name),
                               text ? text->text(0, text->characterCount()) : QString(),
                               actions && iface->role() == QAccessible::Button ? actions->actionNames().join(',') : QString(),
                               QString::number(!iface->state().disabled)};
        QCOMPARE(seen.join('|'), read);
        // What it shows is its value too; the pay line's, its description.
        if (text) {
            QCOMPARE(iface->text(QAccessible::Value), seen[2]);
            QCOMPARE(iface->text(QAccessible::Description) == seen[2], object == "payLine");
            // A reader's screen review finds each character where it shows,
            // in order, and the character at each place.
            const int last = text->characterCount() - 1;
            const QRect first = text->characterRect(0), end = text->characterRect(last);
            const QRect area = iface->rect();
            for (const QRect& at : {first, end})
                QVERIFY2(at.left() >= area.left() && at.right() <= area.right() && at.top() <= area.center().y() &&
                             at.bottom() >= area.center().y(),
                         qPrintable(QString("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())));
            QVERIFY(first.left() <= end.left());
            QCOMPARE(text->offsetAtPoint(end.center()), last);
        }
    }

    // The press action does what a left click does, once the reader's call
    // has returned.
    void pressActions()
    {
        PlayRig rig;
        QAccessibleInterface* bill = accessibleOf(rig.face.billSlot(10));
        bill->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(rig.game().credits, 0);
        QTRY_VERIFY(!rig.player.isIdle());
        rig.timer.runAll();
        QCOMPARE(rig.game().credits, 10);
        accessibleOf(rig.face.playButton(2))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!rig.player.isIdle());
        rig.timer.runAll();
        QCOMPARE(rig.game().spins, 1);
        QCOMPARE(rig.game().creditsPlayed, 2);
        // A busy machine takes no press: the $50 pressed while $20 counts.
        rig.player.insertBill(20);
        QSignalSpy pressed(rig.face.billSlot(50), &QAbstractButton::clicked);
        accessibleOf(rig.face.billSlot(50))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(pressed.wait());
        rig.timer.runAll();
        QCOMPARE(rig.game().amountInserted, 30);
    }

    // A count is announced once it is counted, not credit by credit; the
    // pay line once the wheels stop; the win once it is paid.
    void announcements()
    {
        FastRandom emblems(ThreeEmblemsSeed);
        PlayRig rig(&emblems);
        GameOptions o = rig.machine.options();
        o.payout = PayoutMode::Fantasy;
        o.sound = 0;
        rig.setOptions(o);
        rig.setGame(0, 20.0f, 0);
        Listener listener;
        const auto* told = rig.face.findChild<Announcer*>();
        rig.click(rig.face.billSlot(100));
        QCOMPARE(rig.game().credits, 2000);
        QCOMPARE(listener.count("Credits"), 1);
        QCOMPARE(told->text(), QString("Credits 2000"));
        listener.events.clear();
        rig.click(rig.face.playButton(1));
        QCOMPARE(rig.face.payLineText(), QString("Emblem, Emblem, Emblem"));
        QCOMPARE(listener.count("Pay line"), 1);
        QCOMPARE(listener.count("Won"), 1); // the 1500 paid; it showed 0 already
        QCOMPARE(listener.count("Bet"), 1);
        QCOMPARE(listener.count("Credits"), 2); // the bet taken, then the win paid
        QCOMPARE(told->text(), QString("Emblem, Emblem, Emblem: 3 emblems, won 1500. Credits 3499."));
        QVERIFY(told->isVisible());

        // The wheels stopping on the symbols they showed before is news too.
        emblems = FastRandom(ThreeEmblemsSeed);
        listener.events.clear();
        rig.click(rig.face.playButton(1));
        QCOMPARE(rig.face.payLineText(), QString("Emblem, Emblem, Emblem"));
        QCOMPARE(listener.count("Pay line"), 1);
        // A game shown again as it was is not.
        listener.events.clear();
        rig.player.showGame();
        QCOMPARE(listener.count("Pay line"), 0);
    }

    // The printed pay table reads as a table, row by row.
    void payTable()
    {
        PlayRig rig;
        QAccessibleTableInterface* table = accessibleOf(rig.face.findChild<QWidget*>("payTable"))->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 11);
        QCOMPARE(table->columnCount(), 4);
        QStringList rows;
        for (int row : {0, 1, 10}) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << table->cellAt(row, column)->text(QAccessible::Name);
            rows << cells.join(' ');
        }
        QCOMPARE(rows, QStringList({"3 emblems 1500 3000 5000", "Any 3 emblems 500 1000 1500", "Any 1 emblem 2 4 6"}));
        QCOMPARE(table->columnDescription(3), QString("3 coins"));
        QVERIFY(rig.face.rect().contains(rig.face.mapFromGlobal(table->cellAt(10, 3)->rect().center())));
    }

    // Tab runs through the buttons and bills as they lie; Space or Enter
    // presses the one with the focus, which keeps it while the machine is
    // busy (a screen reader hears no focus move) and takes no press then.
    void keyboard()
    {
        PlayRig rig;
        rig.setGame(5, 0.5f);
        rig.face.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.face));
        rig.face.cashOutButton()->setFocus();
        QStringList order;
        for (int i = 0; i < 10; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(' '), QString("cashOutButton play1Button play2Button play3Button bill10Slot bill20Slot "
                                          "bill50Slot bill100Slot payTable cashOutButton")); // the shut $5 slot is passed over
        // In the pay table the arrows go from cell to cell, each read under
        // its printed heading; the table's edges hold.
        QWidget* payTable = rig.face.findChild<QWidget*>("payTable");
        payTable->setFocus();
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
            QTest::keyClick(payTable, key);
        QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(payTable)->tableInterface();
        QAccessibleInterface* current = cells->cellAt(1, 1);
        QVERIFY(current->state().focused && !cells->cellAt(0, 1)->state().focused);
        QCOMPARE(current->text(QAccessible::Name) + " under " +
                     current->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
                 QString("500 under 1 coin"));
        rig.face.billSlot(10)->setFocus();
        QTest::keyClick(rig.face.billSlot(10), Qt::Key_Space);
        rig.timer.runAll();
        QCOMPARE(rig.game().credits, 10);
        rig.face.playButton(1)->setFocus();
        QTest::keyPress(rig.face.playButton(1), Qt::Key_Return);
        QCOMPARE(rig.face.playButton(1)->picture(), ImageButton::Picture::Pressed);
        Listener listener;
        QTest::keyRelease(rig.face.playButton(1), Qt::Key_Return);
        QVERIFY(!rig.player.isIdle());
        for (int step = 0; step < 100; ++step)
            rig.timer.fire();
        QCOMPARE(QApplication::focusWidget(), rig.face.playButton(1));
        QCOMPARE(rig.face.playButton(1)->picture(), ImageButton::Picture::Disabled);
        QTest::keyClick(rig.face.playButton(1), Qt::Key_Space); // busy: nothing
        QTest::keyClick(rig.face.playButton(1), Qt::Key_Return);
        rig.timer.runAll();
        QCOMPARE(rig.game().spins, 1);
        QCOMPARE(QApplication::focusWidget(), rig.face.playButton(1));
        QCOMPARE(listener.focusChanges, 0);

        // A release without its press (the Enter that closed a dialog, let
        // go over the face) presses nothing; nor does one whose press went
        // to another control before the focus moved.
        const int credits = rig.game().credits;
        QTest::keyRelease(rig.face.playButton(1), Qt::Key_Return);
        QTest::keyRelease(rig.face.billSlot(20), Qt::Key_Return);
        rig.face.billSlot(20)->setFocus();
        QTest::keyPress(rig.face.billSlot(20), Qt::Key_Space);
        rig.face.billSlot(50)->setFocus();
        rig.face.billSlot(20)->setFocus();
        QTest::keyRelease(rig.face.billSlot(20), Qt::Key_Space);
        QTest::keyPress(rig.face.playButton(2), Qt::Key_Space);
        QTest::keyRelease(rig.face.playButton(2), Qt::Key_Return);
        QCOMPARE(rig.game().spins, 1);
        QCOMPARE(rig.game().credits, credits);
    }
};

QTEST_MAIN(TestFaceAccessibility)
#include "tst_faceaccessibility.moc"
