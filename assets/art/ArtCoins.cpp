#include "assets/art/Art.h"
#include "assets/art/ArtPainting.h"

#include <QFontMetricsF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace strhaven::art {

namespace {

struct CoinArt {
    int cents;
    qreal radius;
    bool gold;
    bool reeded;  // the silver coins have a milled edge, the nickel and the dollar a smooth one
    const char* value;
    int textPixels;
};

constexpr CoinArt Coins[] = {
    {5, 15, false, false, QT_TRANSLATE_NOOP("ArtText", "5¢"), 11},
    {10, 12.5, false, true, QT_TRANSLATE_NOOP("ArtText", "10¢"), 9},
    {25, 16, false, true, QT_TRANSLATE_NOOP("ArtText", "25¢"), 11},
    {50, 18, false, true, QT_TRANSLATE_NOOP("ArtText", "50¢"), 12},
    {100, 18, true, false, QT_TRANSLATE_NOOP("ArtText", "$1"), 14},
};

void drawCoin(QPainter& p, const CoinArt& coin, const QString& value)
{
    const QPointF c(21, 19);
    const qreal r = coin.radius;
    const QColor light = coin.gold ? QColor(0xFF, 0xF0, 0xB0) : (coin.reeded ? QColor(0xFA, 0xFA, 0xFC) : QColor(0xEE, 0xEB, 0xE2));
    const QColor mid = coin.gold ? QColor(0xD8, 0xA8, 0x3A) : (coin.reeded ? QColor(0xA8, 0xAB, 0xB3) : QColor(0xA3, 0x9F, 0x94));
    const QColor dark = coin.gold ? QColor(0x6E, 0x48, 0x06) : (coin.reeded ? QColor(0x4C, 0x4E, 0x55) : QColor(0x4E, 0x4B, 0x44));
    const QPointF tl = c - QPointF(r, r);
    const QPointF br = c + QPointF(r, r);

    QPainterPath disc;
    disc.addEllipse(c, r, r);
    drawGlow(p, disc, QColor(0, 0, 0, 200), 1.6, {0.8, 1.4});
    p.fillPath(disc, gradient(tl, br, {light, mid, dark}));
    if (coin.reeded) {
        p.setPen(QPen(QColor(0, 0, 0, 90), 0.5));
        for (int i = 0; i < 72; ++i) {
            const qreal a = i * std::numbers::pi / 36;
            const QPointF dir(std::cos(a), std::sin(a));
            p.drawLine(c + dir * (r - 1.6), c + dir * (r - 0.2));
        }
    }
    // The field sits lower than the rim, so its light runs the other way.
    const qreal field = r * 0.8;
    QPainterPath inner;
    inner.addEllipse(c, field, field);
    p.fillPath(inner, gradient(tl, br, {dark, mid, light}));
    p.fillPath(inner.subtracted(inner.translated(-0.5, -0.6)), QColor(255, 255, 255, 130));
    QPainterPath fieldFace;
    fieldFace.addEllipse(c, field - 0.8, field - 0.8);
    p.fillPath(fieldFace, gradient(tl, br, {light, mid}));

    // A ring of small stars round the value.
    if (r >= 15) {
        for (int i = 0; i < 10; ++i) {
            const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * (field - 2.8);
            if (std::abs(std::sin(a)) < 0.5)
                continue;  // keep the sides clear for the value
            p.fillPath(starPath(at, 1.5, 0.6), dark);
        }
    }
    const QFont font = artFont(Face::Sans, coin.textPixels);
    const QPainterPath text = textPath(value, font, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter);
    // Struck lettering: lit on its upper left, shaded on its lower right.
    p.fillPath(text.translated(-0.5, -0.6), QColor(255, 255, 255, 220));
    p.fillPath(text.translated(0.5, 0.6), dark.darker(160));
    p.fillPath(text, gradient(tl, br, {mid.darker(115), dark}));

    QPainterPath gloss;
    gloss.addEllipse(QRectF(c.x() - r * 0.7, c.y() - r * 0.85, r * 0.9, r * 0.55));
    p.fillPath(gloss, gradient({0, c.y() - r * 0.85}, {0, c.y() - r * 0.3}, {QColor(255, 255, 255, 110), QColor(255, 255, 255, 0)}));
}

void drawBillStack(QPainter& p, const QString& value)
{
    const QRectF note(-19, -10, 38, 20);
    p.save();
    p.translate(22, 20);
    p.rotate(5);
    drawBanknote(p, note.translated(0, 1), QString(), 0);
    p.rotate(-11);
    QPainterPath outline;
    outline.addRect(note);
    drawGlow(p, outline, QColor(0, 0, 0, 180), 1.5, {0.6, 1.2});
    drawBanknote(p, note, value, 12);
    p.restore();
}

} // namespace

void drawBanknote(QPainter& p, const QRectF& rect, const QString& value, int textPixels)
{
    p.save();
    QPainterPath body;
    body.addRoundedRect(rect, 1.2, 1.2);
    p.fillPath(body, gradient(rect.topLeft(), rect.bottomRight(), {QColor(0xE4, 0xF1, 0xDC), colour::NoteGreen, QColor(0xAE, 0xCA, 0xA0)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::NoteInk, 0.7));
    p.drawPath(body);
    p.setPen(QPen(QColor(0x2F, 0x5D, 0x34, 120), 0.5));
    p.drawRect(rect.adjusted(1.8, 1.8, -1.8, -1.8));

    const QFont font = artFont(Face::Sans, std::max(8, textPixels));
    const qreal textWidth = value.isEmpty() || textPixels < 8 ? 0 : QFontMetricsF(font).horizontalAdvance(value);
    // Rosettes at the ends where the bill is long enough to keep them clear of the value.
    const qreal room = (rect.width() - textWidth) / 2;
    if (room >= 12) {
        const qreal rad = std::min(rect.height() * 0.28, room * 0.3);
        for (qreal x : {rect.left() + room / 2 + 0.5, rect.right() - room / 2 - 0.5}) {
            p.drawEllipse(QPointF(x, rect.center().y()), rad, rad);
            p.drawEllipse(QPointF(x, rect.center().y()), rad * 0.5, rad * 0.5);
        }
    }
    if (textWidth > 0)
        p.fillPath(textPath(value, font, rect, Qt::AlignCenter), colour::NoteInk);
    p.restore();
}

QPixmap denomination(int cents, qreal dpr)
{
    QPixmap pm = makeCanvas(DenominationSize, dpr);
    QPainter p(&pm);
    prepare(p);
    for (const CoinArt& coin : Coins)
        if (coin.cents == cents) {
            drawCoin(p, coin, ArtText::tr(coin.value));
            return pm;
        }
    // Bills stand for the dollar amounts above the coins, and any value
    // outside the seven still gets a picture that names it.
    const QString value = cents % 100 == 0 ? ArtText::tr("$%1").arg(cents / 100) : ArtText::tr("%1¢").arg(cents);
    drawBillStack(p, value);
    return pm;
}

} // namespace strhaven::art
