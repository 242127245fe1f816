#include "assets/art/Art.h"

#include <QImage>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace strhaven;

namespace {

struct Case {
    const char* name;
    std::function<QPixmap(qreal dpr)> draw;
    QSize logical;
};

const Case Cases[] = {
    {"face", [](qreal d) { return art::machineFace(BuildPayTable(), d); }, {640, 424}},
    {"frameTop", art::frameTop, {279, 18}},
    {"frameBottom", art::frameBottom, {277, 45}},
    {"Emblem", [](qreal d) { return art::symbol(Symbol::Emblem, d); }, {80, 60}},
    {"RedSeven", [](qreal d) { return art::symbol(Symbol::RedSeven, d); }, {80, 60}},
    {"TripleBar", [](qreal d) { return art::symbol(Symbol::TripleBar, d); }, {80, 60}},
    {"WhiteSeven", [](qreal d) { return art::symbol(Symbol::WhiteSeven, d); }, {80, 60}},
    {"Play1 pressed", [](qreal d) { return art::button(art::Button::Play1, art::ButtonState::Pressed, d); }, {68, 30}},
    {"CashOut disabled", [](qreal d) { return art::button(art::Button::CashOut, art::ButtonState::Disabled, d); }, {68, 30}},
    {"5 cents", [](qreal d) { return art::denomination(5, d); }, {42, 38}},
    {"5 dollars", [](qreal d) { return art::denomination(500, d); }, {42, 38}},
    {"splash", art::splash, {365, 185}},
    {"shortcut chart", art::shortcutChart, {245, 168}},
};

// Share of pixels whose colour differs by more than a trace between two
// pictures of the same size.
double differingShare(const QPixmap& a, const QPixmap& b)
{
    const QImage x = a.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.toImage().convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 1;
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            differing += std::max({std::abs(qRed(p[col]) - qRed(q[col])), std::abs(qGreen(p[col]) - qGreen(q[col])),
                                   std::abs(qBlue(p[col]) - qBlue(q[col])), std::abs(qAlpha(p[col]) - qAlpha(q[col]))}) > 24;
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
            const QPixmap pm = c.draw(dpr);
            QCOMPARE(pm.devicePixelRatio(), dpr);
            QCOMPARE(pm.size(), QSize(int(std::ceil(c.logical.width() * dpr)), int(std::ceil(c.logical.height() * dpr))));
        }
        const QPixmap twice = c.draw(2);
        const QPixmap upscaled = c.draw(1).scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(differingShare(twice, upscaled) > 0.005, "2x looks like 1x blown up");
    }

    void payRowsComeFromTheTable()
    {
        // The pay for 1, 2 and 3 credits, row by row in the combinations'
        // order of pay.
        const QList<QList<int>> expected = {{1500, 3000, 5000}, {500, 1000, 1500}, {200, 400, 600}, {100, 200, 300},
                                            {60, 120, 180},     {30, 60, 90},      {20, 40, 60},    {10, 20, 30},
                                            {5, 10, 15},        {5, 10, 15},       {2, 4, 6}};
        PayTable table = BuildPayTable();
        QList<QList<int>> rows;
        int row = 0;
        for (const art::PayRow& r : art::payRows(table)) {
            QCOMPARE(int(r.combination), ++row);
            rows << QList<int>{r.pays[0], r.pays[1], r.pays[2]};
        }
        QCOMPARE(rows, expected);
        const QPixmap standard = art::machineFace(table, 1);
        table.set(222, 250, Combination::ThreeRedSevens);
        QCOMPARE(art::payRows(table)[2].pays, (std::array<int, 3>{250, 500, 750}));
        QVERIFY(differingShare(art::machineFace(table, 1), standard) > 0);
    }

    // The player tells every symbol, and a button's states, apart at a glance.
    void picturesDiffer()
    {
        for (int a = 0; a < SymbolCount; ++a)
            for (int b = a + 1; b < SymbolCount; ++b)
                QVERIFY2(differingShare(art::symbol(symbolFromIndex(a), 1), art::symbol(symbolFromIndex(b), 1)) > 0.05,
                         qPrintable(QStringLiteral("symbols %1 and %2").arg(a).arg(b)));
        for (auto button : {art::Button::Play1, art::Button::Play2, art::Button::PlayMax, art::Button::CashOut}) {
            const auto image = [&](art::ButtonState s) { return art::button(button, s, 1); };
            QVERIFY(differingShare(image(art::ButtonState::Normal), image(art::ButtonState::Pressed)) > 0.02);
            QVERIFY(differingShare(image(art::ButtonState::Normal), image(art::ButtonState::Disabled)) > 0.01);
            QVERIFY(differingShare(image(art::ButtonState::Pressed), image(art::ButtonState::Disabled)) > 0.02);
        }
    }
};

QTEST_MAIN(TestArt)
#include "tst_Art.moc"
