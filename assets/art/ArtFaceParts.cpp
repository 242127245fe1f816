#include "assets/art/Art.h"
#include "assets/art/ArtFace.h"
#include "assets/art/ArtPainting.h"

#include <QRadialGradient>

namespace strhaven::art {

namespace {

// A dark recess with a thin chrome rim: the button deck and the bill acceptor.
void drawRecess(QPainter& p, const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    p.fillPath(path, gradient(rect.topLeft(), rect.bottomLeft(), {QColor(0x16, 0x02, 0x04), QColor(0x3C, 0x05, 0x09)}));
    p.save();
    p.setClipPath(path);
    p.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 7),
               gradient(rect.topLeft(), {rect.left(), rect.top() + 7}, {QColor(0, 0, 0, 190), QColor(0, 0, 0, 0)}));
    p.restore();
    drawChromeRing(p, rect.adjusted(-2.5, -2.5, 2.5, 2.5), 2.5, radius + 2.5);
    // The lacquer catches the light just below the lower rim.
    p.setPen(QPen(QColor(255, 190, 190, 90), 0.8));
    p.drawLine(QPointF(rect.left() + radius, rect.bottom() + 3.2), QPointF(rect.right() - radius, rect.bottom() + 3.2));
}

// Lit bulbs set into a chrome frame, every other one a little brighter as if
// caught mid-chase.
void drawMarqueeBulbs(QPainter& p, const QRectF& frame)
{
    const int count = 22;
    const qreal step = (frame.width() - 24) / (count - 1);
    for (qreal y : {frame.top(), frame.bottom()})
        for (int i = 0; i < count; ++i) {
            const QPointF c(frame.left() + 12 + i * step, y);
            const bool bright = i % 2 == 0;
            QPainterPath bulb;
            bulb.addEllipse(c, 1.9, 1.9);
            drawGlow(p, bulb, QColor(0xFF, 0xD8, 0x70, bright ? 230 : 140), 2.2);
            QRadialGradient glass(c - QPointF(0.6, 0.7), 2.2);
            glass.setColorAt(0, QColor(0xFF, 0xFF, 0xF0));
            glass.setColorAt(0.5, bright ? QColor(0xFF, 0xEC, 0x9A) : QColor(0xF0, 0xC8, 0x60));
            glass.setColorAt(1, bright ? QColor(0xF2, 0xB0, 0x30) : QColor(0xB8, 0x80, 0x20));
            p.fillPath(bulb, glass);
        }
}

void drawBillArrow(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(275, 314);
    arrow.lineTo(370, 314);
    arrow.lineTo(370, 309);
    arrow.lineTo(382, 322);
    arrow.lineTo(370, 335);
    arrow.lineTo(370, 330);
    arrow.lineTo(275, 330);
    arrow.closeSubpath();
    drawGoldSign(p, arrow, {{276.5, 315.2}, {369, 315.2}}, ArtText::tr("Insert Bills Here"), {277, 314, 92, 16});
}

} // namespace

void drawButtonDeck(QPainter& p)
{
    drawRecess(p, QRectF(281, 256, 342, 42), 5);
}

void drawBillRow(QPainter& p)
{
    drawBillArrow(p);
    drawRecess(p, QRectF(385, 309, 246, 26), 3);
    for (const BillPlace& bill : BillPlaces) {
        QPainterPath note;
        note.addRect(bill.rect);
        drawGlow(p, note, QColor(0, 0, 0, 170), 1.5, {0.8, 1.5});
        drawBanknote(p, bill.rect, ArtText::tr("$%1").arg(bill.dollars), 10);
    }
}

void drawProductName(QPainter& p)
{
    const QRectF belly(280, 348, 350, 68);
    QPainterPath path;
    path.addRoundedRect(belly, 6, 6);
    drawGlow(p, path, QColor(0, 0, 0, 170), 4, {2, 3});
    p.fillPath(path, gradient(belly.topLeft(), belly.bottomLeft(), {QColor(0x0C, 0x01, 0x02), QColor(0x2E, 0x03, 0x06)}));
    QRadialGradient warm(belly.center() + QPointF(0, -4), 170);
    warm.setColorAt(0, QColor(0xFF, 0x40, 0x30, 90));
    warm.setColorAt(1, QColor(0xFF, 0x40, 0x30, 0));
    p.fillPath(path, warm);

    const QPainterPath name = textPath(productName(), artFont(Face::Serif, 33), {belly.left(), 354, belly.width(), 32},
                                       Qt::AlignCenter);
    drawGlow(p, name, QColor(0xFF, 0xC6, 0x3C, 200), 6);
    drawOutlined(p, name, goldGradient(358, 384), QColor(0x3A, 0x22, 0x02), 1.3);
    p.fillPath(name.subtracted(name.translated(0.7, 0.9)), QColor(255, 255, 255, 150));

    const QFont small = artFont(Face::Serif, 15, false, true);
    const QPainterPath subtitle = textPath(productSubtitle(), small, {belly.left(), 392, belly.width(), 16}, Qt::AlignCenter);
    drawGlow(p, subtitle, QColor(0xFF, 0xC6, 0x3C, 120), 3);
    drawOutlined(p, subtitle, QColor(0xFF, 0xEE, 0xB8), QColor(0x3A, 0x22, 0x02), 0.8);
    for (qreal x : {belly.left() + 86, belly.right() - 86}) {
        const QPainterPath star = starPath({x, 400}, 6, 2.5);
        drawGlow(p, star, QColor(0xFF, 0xC6, 0x3C, 160), 2.5);
        drawOutlined(p, star, goldGradient(394, 406), QColor(0x3A, 0x22, 0x02), 0.5);
    }
    drawChromeRing(p, belly.adjusted(-4, -4, 4, 4), 4, 10);
    drawMarqueeBulbs(p, belly.adjusted(-2, -2, 2, 2));
}

} // namespace strhaven::art
