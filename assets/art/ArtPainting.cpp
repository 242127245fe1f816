#include "assets/art/ArtPainting.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <vector>

namespace strhaven::art {

namespace {

// One box-blur pass along rows or columns; three passes approximate a
// Gaussian closely enough for glows.
void boxPass(QImage& img, int radius, bool alongRows)
{
    const int lines = alongRows ? img.height() : img.width();
    const int length = alongRows ? img.width() : img.height();
    std::vector<QRgb> src(static_cast<std::size_t>(length));
    for (int line = 0; line < lines; ++line) {
        auto pixel = [&](int i) -> QRgb& {
            const int x = alongRows ? i : line;
            const int y = alongRows ? line : i;
            return reinterpret_cast<QRgb*>(img.scanLine(y))[x];
        };
        for (int i = 0; i < length; ++i)
            src[static_cast<std::size_t>(i)] = pixel(i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length)
                return;
            const QRgb c = src[static_cast<std::size_t>(i)];
            sum[0] += sign * qAlpha(c);
            sum[1] += sign * qRed(c);
            sum[2] += sign * qGreen(c);
            sum[3] += sign * qBlue(c);
        };
        for (int i = -radius; i < radius; ++i)
            add(i, 1);
        const int span = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            add(i + radius, 1);
            pixel(i) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            add(i - radius, -1);
        }
    }
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

} // namespace

QPixmap makeCanvas(QSize logical, qreal dpr)
{
    QPixmap pm(int(std::ceil(logical.width() * dpr - 1e-9)), int(std::ceil(logical.height() * dpr - 1e-9)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

QRectF canvasRect(const QPixmap& canvas)
{
    return {0, 0, canvas.width() / canvas.devicePixelRatio(), canvas.height() / canvas.devicePixelRatio()};
}

void prepare(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

QFont artFont(Face face, int pixelSize, bool bold, bool italic)
{
    QFont f;
    if (face == Face::Serif) {
        f.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
        f.setStyleHint(QFont::Serif);
    } else {
        f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        f.setStyleHint(QFont::SansSerif);
    }
    if (face == Face::SansCondensed)
        f.setStretch(QFont::Condensed);
    // Greyscale smoothing: a picture may be shown on any screen, any subpixel order.
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    f.setPixelSize(std::max(MinimumPixels, pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont fittedFont(std::initializer_list<Face> faces, int pixelSize, const QString& text, qreal width, bool bold,
                 bool italic)
{
    QFont font;
    for (int size = std::max(MinimumPixels, pixelSize); size >= MinimumPixels; --size)
        for (Face face : faces) {
            font = artFont(face, size, bold, italic);
            if (QFontMetricsF(font).horizontalAdvance(text) <= width)
                return font;
        }
    return font;
}

QLinearGradient gradient(QPointF from, QPointF to, std::initializer_list<QColor> stops)
{
    QLinearGradient g(from, to);
    const qreal last = qreal(std::max<std::size_t>(1, stops.size() - 1));
    qreal i = 0;
    for (const QColor& c : stops)
        g.setColorAt(i++ / last, c);
    return g;
}

QLinearGradient chromeGradient(QPointF from, QPointF to)
{
    return gradient(from, to, {colour::ChromeLight, colour::ChromeMid, colour::ChromeEnd});
}

QLinearGradient goldGradient(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(0xFF, 0xF4, 0xC2));
    g.setColorAt(0.45, colour::Gold);
    g.setColorAt(1, QColor(0xD0, 0x9A, 0x2C));
    return g;
}

QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align)
{
    const QFontMetricsF fm(font);
    const qreal width = fm.horizontalAdvance(text);
    qreal x = box.left();
    if (align & Qt::AlignRight)
        x = box.right() - width;
    else if (align & Qt::AlignHCenter)
        x = box.center().x() - width / 2;
    qreal y = box.center().y() + fm.capHeight() / 2;
    if (align & Qt::AlignTop)
        y = box.top() + fm.capHeight();
    else if (align & Qt::AlignBottom)
        y = box.bottom();
    QPainterPath path;
    path.addText(x, y, font, text);
    return path;
}

void drawOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, qreal width)
{
    p.save();
    p.setPen(QPen(outline, 2 * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void drawGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal radius, QPointF offset)
{
    // Blurred in device pixels so that a 2x picture gets a 2x-smooth glow.
    const QTransform device = p.deviceTransform();
    const qreal scale = std::sqrt(std::abs(device.determinant()));
    const QPainterPath moved = shape.translated(offset);
    const QRectF area = device.mapRect(moved.boundingRect()).adjusted(-3 * radius * scale, -3 * radius * scale,
                                                                      3 * radius * scale, 3 * radius * scale);
    const QRect pixels = area.toAlignedRect();
    if (pixels.isEmpty())
        return;
    QImage img(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter ip(&img);
        ip.setRenderHint(QPainter::Antialiasing);
        ip.setTransform(device * QTransform::fromTranslate(-pixels.left(), -pixels.top()));
        ip.fillPath(moved, colour);
    }
    const int r = std::max(1, int(std::lround(radius * scale / 1.7)));
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(img, r, true);
        boxPass(img, r, false);
    }
    const qreal dpr = p.device()->devicePixelRatioF();
    img.setDevicePixelRatio(dpr);
    p.save();
    p.setWorldTransform(QTransform());
    p.drawImage(QPointF(pixels.left() / dpr, pixels.top() / dpr), img);
    p.restore();
}

void fillChromeBar(QPainter& p, const QRectF& bar, Qt::Orientation orientation)
{
    const bool horizontal = orientation == Qt::Horizontal;
    const QPointF from = bar.topLeft();
    const QPointF to = horizontal ? bar.bottomLeft() : bar.topRight();
    p.fillRect(bar, gradient(from, to,
                             {QColor(0x5A, 0x5C, 0x62), colour::ChromeLight, QColor(0xD0, 0xD2, 0xD7), colour::ChromeMid,
                              colour::ChromeEnd, QColor(0x4A, 0x4B, 0x50)}));
}

void drawChromeRing(QPainter& p, const QRectF& outer, qreal width, qreal radius)
{
    // A turned-metal profile from the outer to the inner edge.
    static const QColor profile[] = {QColor(0x45, 0x47, 0x4D), QColor(0xC4, 0xC6, 0xCC), colour::ChromeLight,
                                     QColor(0xD4, 0xD5, 0xDA), colour::ChromeMid,       colour::ChromeEnd,
                                     QColor(0xB0, 0xB2, 0xB8), QColor(0x38, 0x39, 0x3E)};
    constexpr int stops = int(std::size(profile));
    const int bands = std::max(8, int(width * 6));
    const qreal step = width / bands;
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < bands; ++i) {
        const qreal t = (i + 0.5) / bands * (stops - 1);
        const int k = std::min(stops - 2, int(t));
        const qreal d = (i + 0.5) * step;
        p.setPen(QPen(mix(profile[k], profile[k + 1], t - k), step * 1.25));
        const qreal rr = std::max<qreal>(0, radius - d);
        p.drawRoundedRect(outer.adjusted(d, d, -d, -d), rr, rr);
    }
    QPainterPath ring;
    ring.addRoundedRect(outer, radius, radius);
    QPainterPath inner;
    const qreal ir = std::max<qreal>(0, radius - width);
    inner.addRoundedRect(outer.adjusted(width, width, -width, -width), ir, ir);
    ring = ring.subtracted(inner);
    p.setPen(Qt::NoPen);
    p.fillPath(ring, gradient(outer.topLeft(), outer.bottomRight(),
                              {QColor(255, 255, 255, 90), QColor(255, 255, 255, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0, 70)}));
    p.restore();
}

void fillLacquer(QPainter& p, const QPainterPath& area, const QRectF& lightBox)
{
    p.save();
    p.fillPath(area, gradient(lightBox.topLeft(), lightBox.bottomRight(),
                              {colour::CabinetLit, colour::CabinetRed, colour::CabinetRed, colour::CabinetShadow}));
    QRadialGradient sheen(lightBox.topLeft() + QPointF(lightBox.width() * 0.25, lightBox.height() * 0.12),
                          std::max(lightBox.width(), lightBox.height()) * 0.55);
    sheen.setColorAt(0, QColor(255, 220, 220, 70));
    sheen.setColorAt(1, QColor(255, 220, 220, 0));
    p.fillPath(area, sheen);
    p.restore();
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

} // namespace strhaven::art
