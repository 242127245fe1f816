#include "assets/art/Art.h"
#include "assets/art/ArtFace.h"
#include "assets/art/ArtPainting.h"

#include <QFontMetricsF>
#include <QRadialGradient>

namespace strhaven::art {

namespace {

// How each line of the pay table is printed: the miniature cards shown,
// whether "ANY" leads them, or a caption alone where cards would mislead.
struct RowArt {
    const char* label;
    Combination combination;
    std::array<Symbol, 3> cards;
    int cardCount;
    bool any;
};

constexpr Symbol E = Symbol::Emblem;
constexpr std::array<RowArt, 11> Rows{{
    {QT_TRANSLATE_NOOP("ArtText", "3 EMBLEMS"), Combination::ThreeEmblems, {E, E, E}, 3, false},
    {QT_TRANSLATE_NOOP("ArtText", "ANY 3 EMBLEMS"), Combination::EmblemOnEveryWheel, {}, 0, true},
    {QT_TRANSLATE_NOOP("ArtText", "3 RED SEVENS"), Combination::ThreeRedSevens, {Symbol::RedSeven, Symbol::RedSeven, Symbol::RedSeven}, 3, false},
    {QT_TRANSLATE_NOOP("ArtText", "3 WHITE SEVENS"), Combination::ThreeWhiteSevens, {Symbol::WhiteSeven, Symbol::WhiteSeven, Symbol::WhiteSeven}, 3, false},
    {QT_TRANSLATE_NOOP("ArtText", "ANY 3 SEVENS"), Combination::AnyThreeSevens, {Symbol::RedSeven, Symbol::WhiteSeven, Symbol::RedSeven}, 3, true},
    {QT_TRANSLATE_NOOP("ArtText", "3 TRIPLE BARS"), Combination::ThreeTripleBars, {Symbol::TripleBar, Symbol::TripleBar, Symbol::TripleBar}, 3, false},
    {QT_TRANSLATE_NOOP("ArtText", "3 DOUBLE BARS"), Combination::ThreeDoubleBars, {Symbol::DoubleBar, Symbol::DoubleBar, Symbol::DoubleBar}, 3, false},
    {QT_TRANSLATE_NOOP("ArtText", "3 SINGLE BARS"), Combination::ThreeSingleBars, {Symbol::SingleBar, Symbol::SingleBar, Symbol::SingleBar}, 3, false},
    {QT_TRANSLATE_NOOP("ArtText", "ANY 3 BARS"), Combination::AnyThreeBars, {Symbol::TripleBar, Symbol::DoubleBar, Symbol::SingleBar}, 3, true},
    {QT_TRANSLATE_NOOP("ArtText", "ANY 2 EMBLEMS"), Combination::TwoEmblems, {E, E}, 2, true},
    {QT_TRANSLATE_NOOP("ArtText", "ANY 1 EMBLEM"), Combination::OneEmblem, {E}, 1, true},
}};

constexpr qreal PanelRight = 270;
constexpr qreal HeadTop = 14;
constexpr qreal RowsTop = 52;
constexpr qreal RowsBottom = 412;
constexpr qreal CaptionLeft = 14;
constexpr qreal ColumnLeft[] = {112, 162, 212};
constexpr qreal ColumnWidth = 46;
constexpr qreal RowHeight = (RowsBottom - RowsTop) / Rows.size();

QRectF rowRect(std::size_t i)
{
    return {12, RowsTop + qreal(i) * RowHeight, 246, RowHeight};
}

void drawPanel(QPainter& p)
{
    const QRectF panel(0, 0, PanelRight, 424);
    p.fillRect(panel, gradient(panel.topLeft(), panel.bottomRight(),
                               {QColor(0x86, 0x0D, 0x15), QColor(0x5A, 0x06, 0x0B), QColor(0x38, 0x03, 0x06)}));
    QRadialGradient sheen(QPointF(60, 30), 260);
    sheen.setColorAt(0, QColor(255, 200, 200, 45));
    sheen.setColorAt(1, QColor(255, 200, 200, 0));
    p.fillRect(panel, sheen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(goldGradient(0, 424)), 1.8));
    p.drawRoundedRect(QRectF(4.5, 4.5, 261, 415), 4, 4);
    p.setPen(QPen(QBrush(goldGradient(0, 424)), 0.8));
    p.drawRoundedRect(QRectF(8.5, 8.5, 253, 407), 2, 2);
}

void drawHeadings(QPainter& p)
{
    const QFont numeral = artFont(Face::Serif, 17);
    const char* words[] = {QT_TRANSLATE_NOOP("ArtText", "COIN"), QT_TRANSLATE_NOOP("ArtText", "COINS"),
                           QT_TRANSLATE_NOOP("ArtText", "COINS")};
    for (int i = 0; i < 3; ++i) {
        const QRectF col(ColumnLeft[i], HeadTop, ColumnWidth, 34);
        drawOutlined(p, textPath(QString::number(i + 1), numeral, {col.left(), col.top() + 2, col.width(), 16}, Qt::AlignCenter),
                     goldGradient(col.top(), col.top() + 18), colour::GoldOutline, 0.7);
        const QRectF wordBox(col.left(), col.top() + 22, col.width() - 4, 10);
        const QString text = ArtText::tr(words[i]);
        drawOutlined(p, textPath(text, fittedFont({Face::SansCondensed}, 9, text, wordBox.width()), wordBox, Qt::AlignCenter),
                     colour::Gold, colour::GoldOutline, 0.5);
    }
    const QString paysText = ArtText::tr("PAYS");
    const QRectF paysBox(CaptionLeft, HeadTop, 94, 34);
    const QFont title = fittedFont({Face::Serif}, 18, paysText, paysBox.width());
    const QPainterPath pays = textPath(paysText, title, paysBox, Qt::AlignCenter);
    drawGlow(p, pays, QColor(0xFF, 0xC8, 0x40, 150), 3);
    drawOutlined(p, pays, goldGradient(HeadTop + 8, HeadTop + 26), colour::GoldOutline, 0.9);
}

void drawRules(QPainter& p)
{
    p.setPen(QPen(QColor(0xF7, 0xD4, 0x6B, 200), 1.2));
    p.drawLine(QPointF(12, RowsTop - 1), QPointF(258, RowsTop - 1));
    p.setPen(QPen(QColor(0xF7, 0xD4, 0x6B, 70), 0.8));
    for (std::size_t i = 2; i < Rows.size(); ++i)
        p.drawLine(QPointF(14, rowRect(i).top()), QPointF(256, rowRect(i).top()));
    for (qreal x : ColumnLeft)
        p.drawLine(QPointF(x - 2, HeadTop + 2), QPointF(x - 2, RowsBottom - 2));
}

void drawJackpotBand(QPainter& p)
{
    const QRectF band = rowRect(0).adjusted(0, 1, 0, -1);
    QPainterPath path;
    path.addRoundedRect(band, 3, 3);
    drawGlow(p, path, QColor(0xFF, 0xC0, 0x30, 120), 3);
    p.fillPath(path, gradient(band.topLeft(), band.bottomLeft(), {colour::CabinetLit, colour::CabinetRed, QColor(0x7A, 0x08, 0x0F)}));
    p.setPen(QPen(QBrush(goldGradient(band.top(), band.bottom())), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// The word before the miniature cards of a row that pays for any of
// several symbols: two meanings in English, perhaps two words elsewhere.
QString leadWord(const RowArt& row)
{
    if (row.cards[0] == Symbol::Emblem)
        return ArtText::tr("ANY", "before Emblems that may stand anywhere on the pay line");
    return ArtText::tr("ANY", "before three mixed sevens or mixed bars");
}

void drawCards(QPainter& p, const RowArt& row, const QRectF& rect)
{
    qreal x = CaptionLeft;
    const bool small = row.any;
    const QSizeF card = small ? QSizeF(22, 16.5) : QSizeF(28, 21);
    if (row.any) {
        // The caption and the cards end before the rule of the first
        // column of pays.
        const QString text = row.cardCount == 0 ? ArtText::tr(row.label) : leadWord(row);
        const qreal cards = row.cardCount == 0 ? 0 : row.cardCount * (card.width() + 2) - 2 + 5;
        const qreal room = ColumnLeft[0] - 3 - CaptionLeft - cards;
        const QFont font = fittedFont({Face::SansCondensed}, row.cardCount == 0 ? 11 : 10, text, room);
        drawOutlined(p, textPath(text, font, {x, rect.top(), 96, rect.height()}, Qt::AlignLeft | Qt::AlignVCenter), colour::Gold,
                     colour::GoldOutline, 0.6);
        x += QFontMetricsF(font).horizontalAdvance(text) + 5;
    }
    for (int i = 0; i < row.cardCount; ++i) {
        const QRectF r(x, rect.center().y() - card.height() / 2, card.width(), card.height());
        QPainterPath outline;
        outline.addRect(r);
        drawGlow(p, outline, QColor(0, 0, 0, 150), 1.5, {0.8, 1.2});
        drawSymbolCard(p, r, row.cards[std::size_t(i)], false);
        p.setPen(QPen(QColor(0x3A, 0x02, 0x05), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        x += card.width() + (small ? 2 : 3);
    }
}

} // namespace

std::vector<PayRow> payRows(const PayTable& table)
{
    std::vector<PayRow> rows;
    rows.reserve(Rows.size());
    for (const RowArt& art : Rows) {
        const int pay = table.pay(art.combination);
        rows.push_back({ArtText::tr(art.label), art.combination, {winFor(pay, 1), winFor(pay, 2), winFor(pay, 3)}});
    }
    return rows;
}

QRectF payCellRect(int row, int column)
{
    if (row < 0) {
        const QRectF under = payCellRect(0, column);
        return {under.left(), HeadTop, under.width(), RowsTop - 1 - HeadTop};
    }
    const QRectF rect = rowRect(std::size_t(row));
    if (column == 0)
        return {rect.left(), rect.top(), ColumnLeft[0] - rect.left(), rect.height()};
    return {ColumnLeft[column - 1], rect.top(), ColumnWidth, rect.height()};
}

void drawPayTable(QPainter& p, const PayTable& table)
{
    p.save();
    drawPanel(p);
    drawHeadings(p);
    drawRules(p);
    drawJackpotBand(p);
    const std::vector<PayRow> rows = payRows(table);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRectF rect = rowRect(i);
        drawCards(p, Rows[i], rect);
        const QFont font = artFont(Face::Sans, i == 0 ? 14 : 13);
        for (std::size_t c = 0; c < 3; ++c) {
            const QRectF cell(ColumnLeft[c], rect.top(), ColumnWidth - 5, rect.height());
            const QPainterPath text = textPath(QString::number(rows[i].pays[c]), font, cell, Qt::AlignRight | Qt::AlignVCenter);
            if (i == 0)
                drawGlow(p, text, QColor(0xFF, 0xE0, 0x80, 170), 2.5);
            drawOutlined(p, text, goldGradient(rect.top() + 8, rect.bottom() - 8), colour::GoldOutline, 0.8);
        }
    }
    p.restore();
}

} // namespace strhaven::art
