#include "shell/WindowPlacement.h"

#include <QTest>

using namespace strhaven;

// Where the window goes: back on a screen whatever was stored, and left
// alone only where a compositor places every window.
class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void keptOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("placed");
        // Two screens side by side: 0..1919 and 1920..3199 (less a panel).
        QTest::newRow("on the first screen") << QRect(100, 60, 640, 468) << QPoint(100, 60);
        QTest::newRow("far away (a damaged position)") << QRect(6666666, 6666666, 640, 468) << QPoint(2560, 556);
        QTest::newRow("left of every screen") << QRect(-5000, 100, 640, 468) << QPoint(0, 100);
        QTest::newRow("hanging over the bottom") << QRect(300, 1000, 640, 468) << QPoint(300, 612);
        QTest::newRow("mostly on the second") << QRect(1800, 100, 640, 468) << QPoint(1920, 100);
        QTest::newRow("above the top") << QRect(2000, -900, 640, 468) << QPoint(2000, 0);
    }
    void keptOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, placed);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(strhaven::keptOnScreen(frame, screens), placed);
    }

    // Only where a compositor places every window does the window leave its
    // stored position alone.
    void canPlaceWindows_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("placed");
        for (const char* own : {"xcb", "offscreen", "windows", "cocoa", "minimal"})
            QTest::newRow(own) << QString(own) << true;
        for (const char* compositor : {"wayland", "wayland-egl", "wayland-xcomposite-glx"})
            QTest::newRow(compositor) << QString(compositor) << false;
    }
    void canPlaceWindows()
    {
        QFETCH(QString, platform);
        QFETCH(bool, placed);
        QCOMPARE(strhaven::canPlaceWindows(platform), placed);
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
