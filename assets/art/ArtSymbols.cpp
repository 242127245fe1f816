#include "assets/art/Art.h"
#include "assets/art/ArtPainting.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace strhaven::art {

namespace {

constexpr QRectF CardRect{0, 0, 80, 60};

// A bold seven leaning forward, centred on the card.
QPainterPath sevenPath()
{
    static const QPointF upright[] = {{0, 0}, {36, 0}, {36, 9}, {20, 49}, {7, 49}, {22, 11}, {3, 11}, {3, 15}, {0, 15}};
    QPolygonF leaning;
    for (const QPointF& pt : upright)
        leaning << QPointF(pt.x() + 0.22 * (24.5 - pt.y()) + 22, pt.y() + 5.5);
    QPainterPath path;
    path.addPolygon(leaning);
    path.closeSubpath();
    return path;
}

void drawSeven(QPainter& p, bool red)
{
    const QPainterPath seven = sevenPath();
    if (red) {
        drawGlow(p, seven, QColor(0, 0, 0, 90), 1.6, {1.2, 1.8});
        drawOutlined(p, seven, gradient({0, 5}, {0, 55}, {QColor(0xF2, 0x3A, 0x40), QColor(0xC8, 0x14, 0x1E), QColor(0x8E, 0x0B, 0x12)}),
                     QColor(0x5E, 0x07, 0x0C), 1.3);
    } else {
        p.fillPath(seven.translated(2.6, 2.6), QColor(0xB4, 0xC0, 0xD8));
        drawOutlined(p, seven, gradient({0, 5}, {0, 55}, {QColor(0xFF, 0xFF, 0xFF), QColor(0xEE, 0xF2, 0xF8), QColor(0xCF, 0xD8, 0xE6)}),
                     QColor(0x14, 0x1A, 0x33), 1.3);
    }
    // A sliver of light along the upper left edges of the stroke.
    const QPainterPath highlight = seven.subtracted(seven.translated(1.3, 1.7));
    p.fillPath(highlight, QColor(255, 255, 255, red ? 210 : 255));
    if (!red)
        p.fillPath(seven.subtracted(seven.translated(-1.0, -1.2)), QColor(0x8A, 0x98, 0xB8, 150));
}

struct BarStyle {
    QColor top, bottom, outline, ink;
};

void drawBars(QPainter& p, int count, qreal height, qreal gap, qreal width, const BarStyle& style, int letterPixels, bool lettering)
{
    const qreal total = count * height + (count - 1) * gap;
    const qreal left = 40 - width / 2;
    for (int i = 0; i < count; ++i) {
        const QRectF bar(left, 30 - total / 2 + i * (height + gap), width, height);
        QPainterPath path;
        path.addRoundedRect(bar, 3, 3);
        drawGlow(p, path, QColor(0, 0, 0, 70), 1.4, {1, 1.6});
        drawOutlined(p, path, gradient(bar.topLeft(), bar.bottomLeft(), {style.top, style.bottom}), style.outline, 0.8);
        // Gloss on the upper half of the bar.
        QPainterPath gloss;
        gloss.addRoundedRect(bar.adjusted(2, 1.2, -2, -height * 0.55), 2, 2);
        p.fillPath(gloss, gradient(bar.topLeft(), {bar.left(), bar.top() + height * 0.45},
                                   {QColor(255, 255, 255, 110), QColor(255, 255, 255, 10)}));
        if (lettering) {
            const QPainterPath text = textPath(QStringLiteral("BAR"), artFont(Face::SansCondensed, letterPixels), bar, Qt::AlignCenter);
            p.fillPath(text, style.ink);
        } else {
            // Miniatures hint at the lettering with a rule, keeping text legible-or-absent.
            p.setPen(QPen(style.ink, height * 0.22, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(bar.left() + width * 0.25, bar.center().y()), QPointF(bar.right() - width * 0.25, bar.center().y()));
        }
    }
}

void drawCard(QPainter& p, bool cylinder)
{
    p.fillRect(CardRect, colour::Card);
    if (!cylinder)
        return;
    // The wheel is a drum: every card darkens towards its top and bottom edge,
    // the same in every row so a symbol looks alike wherever it stops.
    QLinearGradient drum(0, 0, 0, 60);
    drum.setColorAt(0, colour::CardEdge);
    drum.setColorAt(0.16, QColor(0xF3, 0xF3, 0xF3));
    drum.setColorAt(0.4, colour::Card);
    drum.setColorAt(0.6, colour::Card);
    drum.setColorAt(0.84, QColor(0xF1, 0xF1, 0xF1));
    drum.setColorAt(1, colour::CardEdge);
    p.fillRect(CardRect, drum);
}

} // namespace

void drawEmblem(QPainter& p, QPointF c, qreal r)
{
    p.save();
    p.setPen(Qt::NoPen);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    drawGlow(p, disc, QColor(0, 0, 0, 110), r * 0.08, {r * 0.03, r * 0.07});
    p.setBrush(gradient(c - QPointF(r, r), c + QPointF(r, r),
                        {QColor(0xFF, 0xF1, 0xB5), colour::Gold, QColor(0xB8, 0x82, 0x1E), colour::GoldOutline}));
    p.drawEllipse(c, r, r);
    p.setBrush(gradient(c - QPointF(r, r), c + QPointF(r, r), {colour::CabinetLit, colour::CabinetRed, colour::CabinetShadow}));
    p.drawEllipse(c, r * 0.9, r * 0.9);
    const bool small = r * std::sqrt(std::abs(p.deviceTransform().determinant())) < 20;
    if (!small) {
        p.setBrush(colour::Gold);
        p.drawEllipse(c, r * 0.76, r * 0.76);
    }
    QRadialGradient blue(c - QPointF(r * 0.3, r * 0.35), r * 1.05);
    blue.setColorAt(0, QColor(0x4C, 0x7C, 0xF0));
    blue.setColorAt(0.45, QColor(0x17, 0x38, 0xA0));
    blue.setColorAt(1, QColor(0x06, 0x10, 0x40));
    p.setBrush(blue);
    p.drawEllipse(c, r * (small ? 0.74 : 0.72), r * (small ? 0.74 : 0.72));

    // A bevelled star: each arm split into a lit and a shaded half.
    const QPainterPath star = small ? starPath(c, r * 0.7, r * 0.31) : starPath(c, r * 0.64, r * 0.26);
    drawGlow(p, star, QColor(0, 0, 0, 150), r * 0.05, {r * 0.03, r * 0.05});
    for (int i = 0; i < 10; ++i) {
        const QPointF a = star.elementAt(i);
        const QPointF b = star.elementAt((i + 1) % 10);
        QPainterPath facet;
        facet.moveTo(c);
        facet.lineTo(a);
        facet.lineTo(b);
        facet.closeSubpath();
        // Brightness from how squarely the facet's outer edge faces the light.
        QPointF normal(b.y() - a.y(), a.x() - b.x());
        if (QPointF::dotProduct(normal, (a + b) / 2 - c) < 0)
            normal = -normal;
        const qreal facing = QPointF::dotProduct(normal, QPointF(-0.6, -0.8)) / std::hypot(normal.x(), normal.y());
        const qreal t = (facing + 1) / 2;
        p.fillPath(facet, QColor::fromRgbF(float(0.78 + 0.22 * t), float(0.55 + 0.38 * t), float(0.10 + 0.45 * t)));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4A, 0x2E, 0x04), std::max<qreal>(0.6, r * (small ? 0.05 : 0.04)), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(star);
    // Gloss over the upper half of the glass-like disc.
    QPainterPath gloss;
    gloss.addEllipse(QRectF(c.x() - r * 0.55, c.y() - r * 0.68, r * 1.1, r * 0.62));
    p.setPen(Qt::NoPen);
    p.fillPath(gloss, gradient({0, c.y() - r * 0.68}, {0, c.y() - r * 0.06}, {QColor(255, 255, 255, 80), QColor(255, 255, 255, 0)}));
    p.restore();
}

void drawSymbolCard(QPainter& p, const QRectF& rect, Symbol s, bool lettering)
{
    p.save();
    p.translate(rect.topLeft());
    p.scale(rect.width() / CardRect.width(), rect.height() / CardRect.height());
    p.setClipRect(CardRect);
    drawCard(p, true);
    switch (s) {
    case Symbol::Blank:
        break;
    case Symbol::Emblem:
        drawEmblem(p, {40, 30}, 27);
        break;
    case Symbol::RedSeven:
        drawSeven(p, true);
        break;
    case Symbol::WhiteSeven:
        drawSeven(p, false);
        break;
    case Symbol::TripleBar:
        drawBars(p, 3, 14, 3, 56, {QColor(0x4A, 0x4A, 0x4E), QColor(0x05, 0x05, 0x05), QColor(0, 0, 0), colour::CabinetLit}, 11,
                 lettering);
        break;
    case Symbol::DoubleBar:
        drawBars(p, 2, 19, 5, 58, {QColor(0xFF, 0xFF, 0xFF), QColor(0xDA, 0xDC, 0xE0), QColor(0x10, 0x10, 0x10), QColor(0x10, 0x10, 0x10)},
                 14, lettering);
        break;
    case Symbol::SingleBar:
        drawBars(p, 1, 25, 0, 60, {QColor(0xEC, 0x34, 0x3B), QColor(0x9A, 0x0D, 0x15), colour::CabinetShadow, QColor(0xFF, 0xFF, 0xFF)},
                 17, lettering);
        break;
    }
    p.restore();
}

QPixmap symbol(Symbol s, qreal dpr)
{
    QPixmap pm = makeCanvas(SymbolSize, dpr);
    QPainter p(&pm);
    prepare(p);
    drawSymbolCard(p, CardRect, s, true);
    return pm;
}

} // namespace strhaven::art
