#include "play/FaceWidgets.h"

#include <QSignalSpy>
#include <QTest>

using namespace strhaven;

// The face's buttons as a mouse presses them: only a plain left click, the
// pressed picture while it is held, and the release acting wherever the
// pointer went, unless a modifier is held by then. A locked button keeps
// its disabled picture and takes no press.
class TestFaceWidgets : public QObject {
    Q_OBJECT
private slots:
    void mouseClicks_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("pressModifiers");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<int>("releaseModifiers");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("outcome"); // picture while held, whether it acted
        const QPoint inside(5, 5), outside(300, 200);
        const int left = Qt::LeftButton, none = 0;
        QTest::newRow("left") << left << none << inside << none << false << "pressed, clicked";
        QTest::newRow("right") << int(Qt::RightButton) << none << inside << none << false << "normal, not clicked";
        QTest::newRow("shift") << left << int(Qt::ShiftModifier) << inside << none << false << "normal, not clicked";
        QTest::newRow("ctrl") << left << int(Qt::ControlModifier) << inside << none << false << "normal, not clicked";
        QTest::newRow("alt") << left << int(Qt::AltModifier) << inside << none << false << "normal, not clicked";
        QTest::newRow("let go elsewhere") << left << none << outside << none << false << "pressed, clicked";
        QTest::newRow("Shift held by the release") << left << none << inside << int(Qt::ShiftModifier) << false
                                                   << "pressed, not clicked";
        QTest::newRow("locked") << left << none << inside << none << true << "disabled, not clicked";
    }
    void mouseClicks()
    {
        QFETCH(int, button);
        QFETCH(int, pressModifiers);
        QFETCH(QPoint, releaseAt);
        QFETCH(int, releaseModifiers);
        QFETCH(bool, locked);
        QFETCH(QString, outcome);
        QWidget window;
        window.resize(400, 300);
        auto* play = new ImageButton(&window);
        play->setGeometry(10, 10, 68, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        play->setLocked(locked);
        QSignalSpy clicked(play, &QAbstractButton::clicked);
        QTest::mousePress(play, Qt::MouseButton(button), Qt::KeyboardModifiers(pressModifiers), QPoint(5, 5));
        const ImageButton::Picture held = play->picture();
        QTest::mouseRelease(play, Qt::MouseButton(button), Qt::KeyboardModifiers(releaseModifiers), releaseAt);
        const char* const pictures[] = {"normal", "pressed", "disabled"};
        QCOMPARE(QString("%1, %2").arg(pictures[int(held)], clicked.count() ? "clicked" : "not clicked"), outcome);
        QCOMPARE(play->picture(), locked ? ImageButton::Picture::Disabled : ImageButton::Picture::Normal);
    }
};

QTEST_MAIN(TestFaceWidgets)
#include "tst_facewidgets.moc"
