#include "Art.h"

#include <QImage>
#include <QtTest>

#include <cmath>

using namespace strhaven;

namespace {

enum class Picture { Face, FrameTop, FrameBottom, Symbol, Button, Denomination, Splash, Chart };

QPixmap render(Picture picture, int variant, qreal dpr)
{
    switch (picture) {
    case Picture::Face: return art::machineFace(BuildPayTable(), dpr);
    case Picture::FrameTop: return art::frameTop(dpr);
    case Picture::FrameBottom: return art::frameBottom(dpr);
    case Picture::Symbol: return art::symbol(symbolFromIndex(variant), dpr);
    case Picture::Button: return art::button(art::Button(variant / 3), art::ButtonState(variant % 3), dpr);
    case Picture::Denomination: return art::denomination(variant, dpr);
    case Picture::Splash: return art::splash(dpr);
    case Picture::Chart: return art::shortcutChart(dpr);
    }
    return {};
}

struct Case {
    const char* name;
    Picture picture;
    int variant;
    QSize logical;
};

const Case Cases[] = {
    {"face", Picture::Face, 0, {640, 424}},
    {"frameTop", Picture::FrameTop, 0, {279, 18}},
    {"frameBottom", Picture::FrameBottom, 0, {277, 45}},
    {"Emblem", Picture::Symbol, 1, {80, 60}},
    {"RedSeven", Picture::Symbol, 2, {80, 60}},
    {"TripleBar", Picture::Symbol, 3, {80, 60}},
    {"DoubleBar", Picture::Symbol, 4, {80, 60}},
    {"WhiteSeven", Picture::Symbol, 5, {80, 60}},
    {"SingleBar", Picture::Symbol, 6, {80, 60}},
    {"Play1 pressed", Picture::Button, 1, {68, 30}},
    {"CashOut disabled", Picture::Button, 11, {68, 30}},
    {"5 cents", Picture::Denomination, 5, {42, 38}},
    {"5 dollars", Picture::Denomination, 500, {42, 38}},
    {"splash", Picture::Splash, 0, {365, 185}},
    {"shortcut chart", Picture::Chart, 0, {245, 168}},
};

// Share of pixels whose colour differs by more than a trace between two
// pictures of the same size.
double differingShare(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 1;
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])), std::abs(qGreen(p[col]) - qGreen(q[col])),
                                    std::abs(qBlue(p[col]) - qBlue(q[col])), std::abs(qAlpha(p[col]) - qAlpha(q[col]))});
            differing += d > 24;
        }
    }
    return double(differing) / (double(x.width()) * x.height());
}

} // namespace

class TestArt : public QObject {
    Q_OBJECT

private slots:
    // Every picture has its logical size at any pixel ratio, and at 2x is
    // drawn afresh rather than blown up from 1x.
    void drawnAtEachRatio_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(Cases)); ++i)
            QTest::newRow(Cases[i].name) << i;
    }
    void drawnAtEachRatio()
    {
        QFETCH(int, index);
        const Case& c = Cases[index];
        for (qreal dpr : {1.0, 1.5, 2.0}) {
            const QPixmap pm = render(c.picture, c.variant, dpr);
            QCOMPARE(pm.devicePixelRatio(), dpr);
            QCOMPARE(pm.size(), QSize(int(std::ceil(c.logical.width() * dpr)), int(std::ceil(c.logical.height() * dpr))));
        }
        const QImage twice = render(c.picture, c.variant, 2).toImage();
        const QImage upscaled = render(c.picture, c.variant, 1).toImage().scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(differingShare(twice, upscaled) > 0.005, "2x looks like 1x blown up");
    }

    void payRowsComeFromTheTable()
    {
        // Code, then the pay for 1, 2 and 3 credits.
        const QList<QList<int>> expected = {{111, 1500, 3000, 5000}, {667, 500, 1000, 1500}, {222, 200, 400, 600},
                                            {555, 100, 200, 300},    {252, 60, 120, 180},    {333, 30, 60, 90},
                                            {444, 20, 40, 60},       {666, 10, 20, 30},      {346, 5, 10, 15},
                                            {110, 5, 10, 15},        {100, 2, 4, 6}};
        PayTable table = BuildPayTable();
        const std::vector<art::PayRow> rows = art::payRows(table);
        QCOMPARE(int(rows.size()), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const art::PayRow& r = rows[std::size_t(i)];
            QCOMPARE(r.code, expected[i][0]);
            QVERIFY(!r.label.isEmpty());
            QCOMPARE(QList<int>(r.pays.begin(), r.pays.end()), expected[i].mid(1));
        }
        const QImage standard = art::machineFace(table, 1).toImage();
        table[222] = 250;
        QCOMPARE(art::payRows(table)[2].pays, (std::array<int, 3>{250, 500, 750}));
        QVERIFY(art::machineFace(table, 1).toImage() != standard);
    }

    void symbolsAreDistinct()
    {
        for (int a = 0; a < SymbolCount; ++a)
            for (int b = a + 1; b < SymbolCount; ++b)
                QVERIFY2(differingShare(art::symbol(symbolFromIndex(a), 1).toImage(), art::symbol(symbolFromIndex(b), 1).toImage()) > 0.05,
                         qPrintable(QStringLiteral("symbols %1 and %2").arg(a).arg(b)));
    }

    void blankIsThePlainCard()
    {
        // Only the drum's shading from top to bottom: every row one grey,
        // the middle white.
        const QImage img = art::symbol(Symbol::Blank, 2).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            const QRgb first = img.pixel(0, y);
            QCOMPARE(qRed(first), qBlue(first));
            QCOMPARE(qRed(first), qGreen(first));
            for (int x = 1; x < img.width(); ++x)
                QCOMPARE(img.pixel(x, y), first);
        }
        QCOMPARE(img.pixelColor(80, 60), QColor(Qt::white));
    }

    void buttonStatesDiffer_data()
    {
        QTest::addColumn<int>("button");
        for (int b = 0; b < 4; ++b)
            QTest::addRow("button %d", b) << b;
    }
    void buttonStatesDiffer()
    {
        QFETCH(int, button);
        const auto image = [&](art::ButtonState s) { return art::button(art::Button(button), s, 1).toImage(); };
        const QImage normal = image(art::ButtonState::Normal);
        const QImage pressed = image(art::ButtonState::Pressed);
        const QImage disabled = image(art::ButtonState::Disabled);
        QVERIFY(differingShare(normal, pressed) > 0.02);
        QVERIFY(differingShare(normal, disabled) > 0.01);
        QVERIFY(differingShare(pressed, disabled) > 0.02);
    }
};

QTEST_MAIN(TestArt)
#include "tst_Art.moc"
