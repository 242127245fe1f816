#include "assets/art/Art.h"
#include "assets/art/ArtPainting.h"

namespace strhaven::art {

namespace {

// The display boxes round the three labels the window lays into the strip
// (label rectangles plus a margin), and the caption printed over each.
struct DisplayArt {
    const char* caption;
    QRectF box;
};
constexpr DisplayArt Displays[] = {
    {QT_TRANSLATE_NOOP("ArtText", "WON"), {21, 20, 54, 20}},
    {QT_TRANSLATE_NOOP("ArtText", "CREDITS"), {115, 20, 73, 20}},
    {QT_TRANSLATE_NOOP("ArtText", "BET"), {229, 20, 30, 20}},
};

void fillStrip(QPainter& p, const QRectF& strip)
{
    QPainterPath area;
    area.addRect(strip);
    fillLacquer(p, area, strip.adjusted(-40, -30, 40, 30));
}

void drawDisplayBox(QPainter& p, const QRectF& box)
{
    QPainterPath path;
    path.addRoundedRect(box, 2, 2);
    drawGlow(p, path, QColor(0, 0, 0, 140), 1.5, {0.5, 1.2});
    p.fillPath(path, gradient(box.topLeft(), box.bottomLeft(), {QColor(0, 0, 0), QColor(0x1C, 0x1C, 0x1E)}));
    // Glass over the digits: an inner shadow below the top edge and a faint
    // reflection line.
    p.fillRect(QRectF(box.left() + 1, box.top() + 1, box.width() - 2, 4),
               gradient(box.topLeft(), {box.left(), box.top() + 5}, {QColor(0, 0, 0, 230), QColor(0, 0, 0, 0)}));
    QPainterPath sheen;
    sheen.moveTo(box.left() + 1, box.top() + 1);
    sheen.lineTo(box.right() - 1, box.top() + 1);
    sheen.lineTo(box.right() - 1, box.top() + 4);
    sheen.lineTo(box.left() + 1, box.top() + 8);
    sheen.closeSubpath();
    p.fillPath(sheen, QColor(255, 255, 255, 14));
    drawChromeRing(p, box.adjusted(-1.6, -1.6, 1.6, 1.6), 1.6, 3.6);
}

} // namespace

QPixmap frameTop(qreal dpr)
{
    QPixmap pm = makeCanvas(FrameTopSize, dpr);
    QPainter p(&pm);
    prepare(p);
    // Only the lower two thirds show: the window places the strip 6.5 px
    // above the face's top edge.
    const qreal width = canvasRect(pm).width();
    fillStrip(p, QRectF(0, 0, width, 12));
    p.setPen(QPen(QBrush(goldGradient(6, 12)), 0.8));
    p.drawLine(QPointF(0, 9), QPointF(width, 9));
    fillChromeBar(p, QRectF(0, 11.5, width, 4.5), Qt::Horizontal);
    p.fillRect(QRectF(0, 16, width, canvasRect(pm).height() - 16), colour::CabinetShadow);
    p.fillRect(QRectF(0, 16, width, 2), gradient({0, 16}, {0, 18}, {QColor(0x20, 0x20, 0x22), QColor(0x05, 0x05, 0x05)}));
    return pm;
}

QPixmap frameBottom(qreal dpr)
{
    QPixmap pm = makeCanvas(FrameBottomSize, dpr);
    QPainter p(&pm);
    prepare(p);
    const QRectF all = canvasRect(pm);
    fillStrip(p, all);
    // The window's lower chrome lip casts a shadow onto the strip.
    fillChromeBar(p, QRectF(0, 0, all.width(), 3.5), Qt::Horizontal);
    p.fillRect(QRectF(0, 3.5, all.width(), 3), gradient({0, 3.5}, {0, 6.5}, {QColor(0, 0, 0, 120), QColor(0, 0, 0, 0)}));
    p.fillRect(QRectF(0, 42, all.width(), all.height() - 42), gradient({0, 42}, {0, 45}, {QColor(0, 0, 0, 0), QColor(0, 0, 0, 110)}));

    for (const DisplayArt& d : Displays) {
        drawDisplayBox(p, d.box);
        const QRectF captionBox(d.box.left() - 10, 6, d.box.width() + 20, 10);
        const QString text = ArtText::tr(d.caption);
        const QFont font = fittedFont({Face::SansCondensed}, 11, text, captionBox.width());
        const QPainterPath caption = textPath(text, font, captionBox, Qt::AlignCenter);
        drawOutlined(p, caption, goldGradient(6, 16), QColor(0x4A, 0x04, 0x08), 0.7);
    }
    return pm;
}

} // namespace strhaven::art
