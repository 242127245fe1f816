#include "assets/art/Art.h"
#include "assets/art/ArtPainting.h"

#include <QRadialGradient>

#include <algorithm>
#include <iterator>

namespace strhaven::art {

namespace {

constexpr qreal NoticeWidth = 150;

void drawLogo(QPainter& p)
{
    const QPainterPath logo = textPath(productName(), artFont(Face::Serif, 42), {16, 14, 340, 52}, Qt::AlignLeft | Qt::AlignVCenter);
    drawGlow(p, logo, QColor(0xFF, 0x30, 0x20, 150), 8);
    drawOutlined(p, logo, QColor(0x20, 0x10, 0x00), QColor(0x20, 0x10, 0x00), 2.6);
    drawOutlined(p, logo, gradient({0, 24}, {0, 56}, {QColor(0xFF, 0x5A, 0x5E), colour::CabinetLit, colour::CabinetRed, colour::CabinetShadow}),
                 colour::Gold, 1.1);
    p.fillPath(logo.subtracted(logo.translated(0.8, 1.0)), QColor(255, 230, 200, 170));

    const QPainterPath subtitle =
        textPath(productSubtitle(), artFont(Face::Serif, 20, false, true), {20, 74, 200, 22}, Qt::AlignLeft | Qt::AlignVCenter);
    drawGlow(p, subtitle, QColor(0xFF, 0xC6, 0x3C, 110), 3);
    drawOutlined(p, subtitle, goldGradient(76, 94), colour::GoldOutline, 0.5);
}

void drawBillFan(QPainter& p)
{
    // Fanned out from their lower left corners, the front bill last; only
    // the front bill shows its value, the others would have theirs covered.
    const qreal angles[] = {-48, -33, -18, -3};
    const QRectF note(0, -38, 100, 38);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(244, 174);
        p.rotate(angles[i]);
        QPainterPath outline;
        outline.addRect(note);
        drawGlow(p, outline, QColor(0, 0, 0, 220), 3, {1.5, 2.5});
        drawBanknote(p, note, i == 3 ? ArtText::tr("$100") : QString(), 16);
        p.restore();
    }
}

} // namespace

QPixmap splash(qreal dpr)
{
    QPixmap pm = makeCanvas(SplashSize, dpr);
    QPainter p(&pm);
    prepare(p);
    const QRectF all(QPointF(0, 0), SplashSize);
    p.fillRect(canvasRect(pm), Qt::black);
    QRadialGradient warm(QPointF(120, 50), 220);
    warm.setColorAt(0, QColor(0x6E, 0x06, 0x0C, 150));
    warm.setColorAt(1, QColor(0x6E, 0x06, 0x0C, 0));
    p.fillRect(all, warm);
    // A scatter of small stars across the night, kept off the lettering and
    // the bills.
    const QRectF clear[] = {{10, 12, 340, 56}, {14, 70, 190, 30}, {14, 112, 220, 50}, {212, 60, 153, 125}};
    for (int i = 0; i < 40; ++i) {
        const QPointF at((i * 137) % 350 + 8, (i * 71) % 172 + 6);
        if (std::any_of(std::begin(clear), std::end(clear), [&](const QRectF& r) { return r.contains(at); }))
            continue;
        const qreal size = 0.5 + (i % 4) * 0.35;
        p.fillPath(starPath(at, size * 2, size * 0.8), QColor(0xF7, 0xD4, 0x6B, 70 + (i * 37) % 110));
    }
    drawLogo(p);
    drawBillFan(p);
    drawEmblem(p, {34, 134}, 16);
    p.setPen(QColor(0xC8, 0xC8, 0xC8));
    // The notice ends before the fan of bills.
    const QString notice[] = {ArtText::tr("For amusement only."), ArtText::tr("No real money is paid out.")};
    for (int i = 0; i < 2; ++i) {
        const QRectF line(58, 126 + 14 * i, NoticeWidth, 16);
        p.setFont(fittedFont({Face::Sans, Face::SansCondensed}, 9, notice[i], line.width(), false));
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, notice[i]);
    }
    p.setPen(QPen(QBrush(goldGradient(0, 185)), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(2.5, 2.5, -2.5, -2.5));
    return pm;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pm = makeCanvas({size, size}, 1);
        QPainter p(&pm);
        prepare(p);
        drawEmblem(p, {size / 2.0, size / 2.0 - size * 0.01}, size * 0.44);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace strhaven::art
