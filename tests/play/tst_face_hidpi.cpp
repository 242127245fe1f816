#include "play/MachineFace.h"

#include <QApplication>
#include <QTest>

using namespace strhaven;

namespace {

// Sum of the differences between horizontal neighbours: how much fine
// detail a picture has.
double detail(const QImage& img)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 1; x < img.width(); ++x)
            sum += std::abs(qGray(line[x]) - qGray(line[x - 1]));
    }
    return sum;
}

} // namespace

// The face on a screen at device pixel ratio 2 must be drawn at twice the
// resolution, not drawn at 1x and scaled up.
class TestFaceHiDpi : public QObject {
    Q_OBJECT
private slots:
    void drawnAtDoubleResolution()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MachineFace face(BuildPayTable());
        face.showGrid(ReelGrid::defaultGrid());
        face.setDenomination(100);
        face.show();
        QVERIFY(QTest::qWaitForWindowExposed(&face));
        const QPixmap shot = face.grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), QSize(1280, 848));
        const QImage sharp = shot.toImage().convertToFormat(QImage::Format_RGB32);
        // What a 1x drawing scaled up would look like.
        const QImage blurred = sharp.scaled(640, 424, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                   .scaled(1280, 848, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(detail(sharp) > 1.15 * detail(blurred),
                 qPrintable(QString("%1 vs %2").arg(detail(sharp)).arg(detail(blurred))));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestFaceHiDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_face_hidpi.moc"
