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

    QImage m_face[2];  // at 1x and 2x

private slots:
    void initTestCase()
    {
        m_face[0] = art::machineFace(BuildPayTable(), 1).toImage();
        m_face[1] = art::machineFace(BuildPayTable(), 2).toImage();
    }

    void sizeFollowsRatio_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qreal>("dpr");
        for (int i = 0; i < int(std::size(Cases)); ++i)
            for (qreal dpr : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %.1f", Cases[i].name, dpr) << i << dpr;
    }
    void sizeFollowsRatio()
    {
        QFETCH(int, index);
        QFETCH(qreal, dpr);
        const Case& c = Cases[index];
        const QPixmap pm = render(c.picture, c.variant, dpr);
        QCOMPARE(pm.devicePixelRatio(), dpr);
        QCOMPARE(pm.size(), QSize(int(std::ceil(c.logical.width() * dpr)), int(std::ceil(c.logical.height() * dpr))));
    }

    void twiceIsDrawnAtTwice_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(Cases)); ++i)
            QTest::newRow(Cases[i].name) << i;
    }
    void twiceIsDrawnAtTwice()
    {
        QFETCH(int, index);
        const Case& c = Cases[index];
        const QImage twice = render(c.picture, c.variant, 2).toImage();
        const QImage upscaled = render(c.picture, c.variant, 1).toImage().scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(differingShare(twice, upscaled) > 0.005, "the 2x picture looks like a blown-up 1x picture");
    }

    // Everything but buttons and coins is shown as an opaque rectangle; the
    // reel cards in particular are widgets that hide the glass behind them.
    void backgroundsAreOpaque_data()
    {
        QTest::addColumn<int>("index");
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 14})
            QTest::newRow(Cases[i].name) << i;
    }
    void backgroundsAreOpaque()
    {
        QFETCH(int, index);
        const Case& c = Cases[index];
        const QImage img = render(c.picture, c.variant, 1.5).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) != 255)
                    QFAIL(qPrintable(QStringLiteral("see-through pixel at %1,%2").arg(x).arg(y)));
    }

    void payRowsMatchTheTable_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("pays");
        const QList<QList<int>> expected = {{111, 1500, 3000, 5000}, {667, 500, 1000, 1500}, {222, 200, 400, 600},
                                            {555, 100, 200, 300},    {252, 60, 120, 180},    {333, 30, 60, 90},
                                            {444, 20, 40, 60},       {666, 10, 20, 30},      {346, 5, 10, 15},
                                            {110, 5, 10, 15},        {100, 2, 4, 6}};
        for (int i = 0; i < expected.size(); ++i)
            QTest::addRow("row %d", i) << i << expected[i][0] << expected[i].mid(1);
    }
    void payRowsMatchTheTable()
    {
        QFETCH(int, row);
        QFETCH(int, code);
        QFETCH(QList<int>, pays);
        const std::vector<art::PayRow> rows = art::payRows(BuildPayTable());
        QCOMPARE(rows.size(), std::size_t(11));
        const art::PayRow& r = rows[std::size_t(row)];
        QCOMPARE(r.code, code);
        QVERIFY(!r.label.isEmpty());
        QCOMPARE(QList<int>(r.pays.begin(), r.pays.end()), pays);
    }

    void printedPaysFollowAnotherTable()
    {
        PayTable table = BuildPayTable();
        table[222] = 250;
        QCOMPARE(art::payRows(table)[2].pays, (std::array<int, 3>{250, 500, 750}));
        const QImage& standard = m_face[0];
        const QImage changed = art::machineFace(table, 1).toImage();
        QVERIFY(standard != changed);
        QCOMPARE(standard.copy(270, 0, 370, 424), changed.copy(270, 0, 370, 424));
    }

    void symbolsAreDistinct()
    {
        for (int a = 0; a < SymbolCount; ++a)
            for (int b = a + 1; b < SymbolCount; ++b)
                QVERIFY2(differingShare(art::symbol(symbolFromIndex(a), 1).toImage(), art::symbol(symbolFromIndex(b), 1).toImage()) > 0.05,
                         qPrintable(QStringLiteral("symbols %1 and %2 look alike").arg(a).arg(b)));
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

    void denominationsAreDistinct()
    {
        const int cents[] = {5, 10, 25, 50, 100, 200, 500};
        for (int a : cents)
            for (int b : cents)
                if (a < b)
                    QVERIFY2(art::denomination(a, 1).toImage() != art::denomination(b, 1).toImage(),
                             qPrintable(QStringLiteral("%1 and %2 cents look the same").arg(a).arg(b)));
    }

    // Spots where the window lays its controls or the player looks: the
    // face must leave the right thing there.
    void faceLandmarks_data()
    {
        QTest::addColumn<QPointF>("spot");
        QTest::addColumn<QString>("kind");
        QTest::newRow("gap between wheels 1 and 2") << QPointF(439.5, 100) << "dark";
        QTest::newRow("gap between wheels 2 and 3") << QPointF(528.5, 150) << "dark";
        QTest::newRow("coin square") << QPointF(304, 215) << "dark";
        QTest::newRow("deck between buttons") << QPointF(364, 277) << "dark";
        for (qreal x : {399.5, 443.0, 493.0, 546.0, 605.0})
            QTest::addRow("bill at %.0f", x) << QPointF(x, 315) << "green";
        QTest::newRow("pay table panel") << QPointF(135, 400) << "red";
        QTest::newRow("cabinet") << QPointF(636, 250) << "red";
    }
    void faceLandmarks()
    {
        QFETCH(QPointF, spot);
        QFETCH(QString, kind);
        for (int scale : {1, 2}) {
            const QColor c = m_face[scale - 1].pixelColor((spot * scale).toPoint());
            if (kind == "dark")
                QVERIFY2(c.lightness() < 60, qPrintable(c.name()));
            else if (kind == "green")
                QVERIFY2(c.green() > c.red() && c.green() > c.blue() && c.lightness() > 120, qPrintable(c.name()));
            else
                QVERIFY2(c.red() > 2 * c.green() && c.red() > 2 * c.blue(), qPrintable(c.name()));
        }
    }

    // The window lays white digits into the strip under the wheels: each
    // label's rectangle must be black glass, with a gold caption above it.
    void displayBoxesHoldTheLabels_data()
    {
        QTest::addColumn<QRect>("label");
        QTest::newRow("won") << QRect(24, 23, 48, 14);
        QTest::newRow("credits") << QRect(118, 23, 67, 14);
        QTest::newRow("bet") << QRect(232, 23, 24, 14);
    }
    void displayBoxesHoldTheLabels()
    {
        QFETCH(QRect, label);
        const QImage strip = art::frameBottom(2).toImage();
        for (int y = label.top() * 2; y < (label.bottom() + 1) * 2; ++y)
            for (int x = label.left() * 2; x < (label.right() + 1) * 2; ++x)
                QVERIFY2(strip.pixelColor(x, y).lightness() < 50, qPrintable(QStringLiteral("light pixel at %1,%2").arg(x).arg(y)));
        int gold = 0;
        for (int y = 8; y < 36; ++y)
            for (int x = label.left() * 2; x < (label.right() + 1) * 2; ++x) {
                const QColor c = strip.pixelColor(x, y);
                gold += c.red() > 200 && c.green() > 150 && c.blue() < 150;
            }
        QVERIFY2(gold > 20, "no gold caption above the display");
    }

    void chartIsBlackOnWhite()
    {
        const QImage img = art::shortcutChart(2).toImage().convertToFormat(QImage::Format_RGB32);
        int dark = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                QVERIFY(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
                dark += qRed(c) < 80;
            }
        QVERIFY(dark > 1000);
        QCOMPARE(img.pixelColor(img.width() - 1, img.height() - 1), QColor(Qt::white));
    }

    void iconHasEverySize()
    {
        const QIcon icon = art::programIcon();
        for (int size : {16, 32, 48, 64, 128, 256}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QImage img = icon.pixmap(size, size).toImage();
            QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
            QCOMPARE(img.pixelColor(size / 2, size / 2).alpha(), 255);
        }
    }
};

QTEST_MAIN(TestArt)
#include "tst_Art.moc"
