#include "assets/art/Art.h"
#include "assets/art/ArtFace.h"
#include "assets/art/ArtPainting.h"

namespace strhaven::art {

namespace {

// The wheel window and the three wheels behind the reel cards.
constexpr QRectF Glass{344, -4, 279, 196};
constexpr qreal WheelCentres[] = {395, 484, 573};
constexpr QRectF Bezel{334, -14, 299, 261};
constexpr qreal BezelWidth = 10;

} // namespace

void drawCabinet(QPainter& p)
{
    const QRectF cabinet(270, 0, 370, 424);
    QPainterPath area;
    area.addRect(cabinet);
    fillLacquer(p, area, cabinet);
    // Fine vertical grain in the clear coat keeps the red from looking flat.
    for (int i = 0; i < 46; ++i) {
        const qreal x = 272 + i * 8.1;
        p.fillRect(QRectF(x, 0, 0.6, 424), QColor(255, 255, 255, 6 + (i * 7) % 9));
    }
    // Where the pay table meets the cabinet.
    fillChromeBar(p, QRectF(270, 0, 4, 424), Qt::Vertical);
    p.fillRect(QRectF(274, 0, 5, 424), gradient({274, 0}, {279, 0}, {QColor(0, 0, 0, 110), QColor(0, 0, 0, 0)}));
}

void drawWheelWindow(QPainter& p)
{
    QPainterPath outer;
    outer.addRoundedRect(Bezel, 8, 8);
    drawGlow(p, outer, QColor(0, 0, 0, 170), 5, {2, 4});

    p.fillRect(Glass, gradient(Glass.topLeft(), Glass.bottomLeft(), {colour::GlassTop, colour::GlassBottom}));
    for (qreal cx : WheelCentres) {
        // A drum slightly wider than its cards, its edges visible in the gaps.
        const QRectF drum(cx - 43, Glass.top(), 86, Glass.height());
        p.fillRect(drum, gradient(drum.topLeft(), drum.topRight(),
                                  {QColor(0x0A, 0x0A, 0x0A), QColor(0x3A, 0x3A, 0x3E), QColor(0x54, 0x54, 0x58),
                                   QColor(0x2C, 0x2C, 0x30), QColor(0x08, 0x08, 0x08)}));
        p.fillRect(drum, gradient(drum.topLeft(), drum.bottomLeft(),
                                  {QColor(0, 0, 0, 235), QColor(0, 0, 0, 40), QColor(0, 0, 0, 0), QColor(0, 0, 0, 40),
                                   QColor(0, 0, 0, 235)}));
    }
    // The glass: a reflection band across the upper third and shade at its
    // edges where the bezel overhangs it.
    QPainterPath band;
    band.moveTo(Glass.left(), 34);
    band.lineTo(Glass.right(), 14);
    band.lineTo(Glass.right(), 40);
    band.lineTo(Glass.left(), 60);
    band.closeSubpath();
    p.fillPath(band, gradient({0, 14}, {0, 60}, {QColor(255, 255, 255, 0), QColor(255, 255, 255, 34), QColor(255, 255, 255, 0)}));
    p.fillRect(QRectF(Glass.left(), Glass.top(), 9, Glass.height()),
               gradient(Glass.topLeft(), {Glass.left() + 9, 0}, {QColor(0, 0, 0, 200), QColor(0, 0, 0, 0)}));
    p.fillRect(QRectF(Glass.right() - 9, Glass.top(), 9, Glass.height()),
               gradient({Glass.right(), 0}, {Glass.right() - 9, 0}, {QColor(0, 0, 0, 200), QColor(0, 0, 0, 0)}));

    // Under the display strip the opening is lacquer, in case the strip
    // lands a fraction of a pixel off.
    p.fillRect(QRectF(Glass.left(), Glass.bottom(), Glass.width(), Bezel.bottom() - BezelWidth - Glass.bottom()),
               colour::CabinetShadow);
    drawChromeRing(p, Bezel, BezelWidth, 8);
}

void drawCabinetOrnaments(QPainter& p)
{
    // The emblem crowns the narrow column beside the wheels; a chrome rail
    // with stars runs down it below the pay line.
    drawEmblem(p, {304, 46}, 21);
    fillChromeBar(p, QRectF(301.5, 116, 5, 66), Qt::Vertical);
    for (qreal y : {126.0, 149.0, 172.0}) {
        const QPainterPath star = starPath({304, y}, 7, 3);
        drawGlow(p, star, QColor(0, 0, 0, 140), 1.5, {0.8, 1.5});
        drawOutlined(p, star, goldGradient(y - 7, y + 6), colour::GoldOutline, 0.5);
    }
}

void drawGoldSign(QPainter& p, const QPainterPath& shape, const QLineF& highlight, const QString& text,
                  const QRectF& textBox)
{
    const QRectF bounds = shape.boundingRect();
    drawGlow(p, shape, QColor(0, 0, 0, 150), 2, {1, 2});
    drawOutlined(p, shape, goldGradient(bounds.top(), bounds.bottom()), colour::GoldOutline, 0.5);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.drawLine(highlight);
    const QFont font = fittedFont({Face::SansCondensed}, 10, text, textBox.width());
    p.fillPath(textPath(text, font, textBox, Qt::AlignCenter), colour::CabinetShadow);
}

void drawPaylineTag(QPainter& p)
{
    QPainterPath tag;
    tag.moveTo(276, 90);
    tag.lineTo(321, 90);
    tag.lineTo(330, 98);
    tag.lineTo(321, 106);
    tag.lineTo(276, 106);
    tag.closeSubpath();
    drawGoldSign(p, tag, {{277.5, 91.2}, {320.5, 91.2}}, ArtText::tr("Payline"), {277, 90, 44, 16});
}

void drawCoinSquare(QPainter& p)
{
    const QRectF rim(279, 192, 50, 46);
    QPainterPath path;
    path.addRoundedRect(rim, 3, 3);
    drawGlow(p, path, QColor(0, 0, 0, 160), 3, {1.5, 3});
    const QRectF inside = rim.adjusted(4, 4, -4, -4);
    p.fillRect(inside, gradient(inside.topLeft(), inside.bottomLeft(), {colour::GlassTop, colour::GlassBottom}));
    drawChromeRing(p, rim, 4, 3);
}

QPixmap machineFace(const PayTable& table, qreal dpr)
{
    QPixmap pm = makeCanvas(FaceSize, dpr);
    QPainter p(&pm);
    prepare(p);
    drawPayTable(p, table);
    drawCabinet(p);
    drawWheelWindow(p);
    drawCabinetOrnaments(p);
    drawPaylineTag(p);
    drawCoinSquare(p);
    drawButtonDeck(p);
    drawBillRow(p);
    drawProductName(p);
    return pm;
}

} // namespace strhaven::art
