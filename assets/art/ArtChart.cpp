#include "assets/art/Art.h"
#include "assets/art/ArtPainting.h"

#include <QFontMetricsF>

#include <algorithm>

namespace strhaven::art {

namespace {

const char* const LeftLines[] = {
    QT_TRANSLATE_NOOP("ArtText", "F1 - Help"),        QT_TRANSLATE_NOOP("ArtText", "F5 - Insert $5"),
    QT_TRANSLATE_NOOP("ArtText", "F6 - Insert $10"),  QT_TRANSLATE_NOOP("ArtText", "F7 - Insert $20"),
    QT_TRANSLATE_NOOP("ArtText", "F8 - Insert $50"),  QT_TRANSLATE_NOOP("ArtText", "F9 - Insert $100"),
};
const char* const RightLines[] = {
    QT_TRANSLATE_NOOP("ArtText", "Ctrl+N - New Game"),         QT_TRANSLATE_NOOP("ArtText", "Ctrl+O - Open Game"),
    QT_TRANSLATE_NOOP("ArtText", "Ctrl+S - Save Game"),        QT_TRANSLATE_NOOP("ArtText", "Ctrl+G - Game Statistics"),
    QT_TRANSLATE_NOOP("ArtText", "Ctrl+H - Hide Payouts Panel"), QT_TRANSLATE_NOOP("ArtText", "Ctrl+K - Shortcut Keys Dialog"),
};
const char* const PlayLines[] = {
    QT_TRANSLATE_NOOP("ArtText", "M or Alt+M - Play Max"), QT_TRANSLATE_NOOP("ArtText", "3 or Alt+3 - Play Max"),
    QT_TRANSLATE_NOOP("ArtText", "2 or Alt+2 - Play 2"),   QT_TRANSLATE_NOOP("ArtText", "1 or Alt+1 - Play 1"),
    QT_TRANSLATE_NOOP("ArtText", "C or Alt+C - Cash Out"), QT_TRANSLATE_NOOP("ArtText", "F2 - Read Out Displays"),
};

constexpr qreal Margin = 6;
constexpr qreal Gap = 10;

template <std::size_t N>
qreal widest(const QFontMetricsF& fm, const char* const (&lines)[N])
{
    qreal w = 0;
    for (const char* line : lines)
        w = std::max(w, fm.horizontalAdvance(ArtText::tr(line)));
    return w;
}

// The first of the fonts, from roomiest to tightest, in which both columns
// fit side by side; translations may be longer than the English lines.
QFont chartFont()
{
    const QFont candidates[] = {artFont(Face::Sans, 9, false), artFont(Face::SansCondensed, 9, false),
                                artFont(Face::SansCondensed, 8, false)};
    for (const QFont& f : candidates) {
        const QFontMetricsF fm(f);
        if (widest(fm, LeftLines) + Gap + widest(fm, RightLines) <= ShortcutChartSize.width() - 2 * Margin)
            return f;
    }
    return candidates[std::size(candidates) - 1];
}

} // namespace

QStringList shortcutChartLines()
{
    QStringList lines;
    for (const auto* block : {&LeftLines, &RightLines})
        for (const char* line : *block)
            lines << ArtText::tr(line);
    for (const char* line : PlayLines)
        lines << ArtText::tr(line);
    return lines;
}

QPixmap shortcutChart(qreal dpr)
{
    QPixmap pm = makeCanvas(ShortcutChartSize, dpr);
    QPainter p(&pm);
    prepare(p);
    p.fillRect(canvasRect(pm), Qt::white);
    const QFont font = chartFont();
    const QFontMetricsF fm(font);
    const qreal line = fm.height() + 1.5;
    p.setFont(font);
    p.setPen(Qt::black);

    // Two columns of six, a rule, the play keys' lines: centred in the height.
    const qreal lines = qreal(std::size(LeftLines) + std::size(PlayLines));
    const qreal top = std::max<qreal>(4, (ShortcutChartSize.height() - (lines * line + 10)) / 2);
    const qreal rightLeft = Margin + widest(fm, LeftLines) + Gap;
    for (std::size_t i = 0; i < std::size(LeftLines); ++i)
        p.drawText(QPointF(Margin, top + fm.ascent() + qreal(i) * line), ArtText::tr(LeftLines[i]));
    for (std::size_t i = 0; i < std::size(RightLines); ++i)
        p.drawText(QPointF(rightLeft, top + fm.ascent() + qreal(i) * line), ArtText::tr(RightLines[i]));

    const qreal rule = top + 6 * line + 4;
    p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 0.8));
    p.drawLine(QPointF(Margin + 20, rule), QPointF(ShortcutChartSize.width() - Margin - 20, rule));
    p.setPen(Qt::black);
    const qreal bottomTop = rule + 6;
    // The block is centred as a whole, its lines sharing one left edge.
    const qreal playLeft = (ShortcutChartSize.width() - widest(fm, PlayLines)) / 2;
    for (std::size_t i = 0; i < std::size(PlayLines); ++i)
        p.drawText(QPointF(playLeft, bottomTop + fm.ascent() + qreal(i) * line), ArtText::tr(PlayLines[i]));
    return pm;
}

} // namespace strhaven::art
