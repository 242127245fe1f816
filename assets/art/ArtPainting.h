#pragma once

#include "core/Symbol.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QString>

#include <initializer_list>

// Helpers shared by the picture painters: the palette, fonts, chrome and
// lacquer, outlined type, soft glows and the few motifs that appear in more
// than one picture (the emblem, the symbols, a banknote).
namespace strhaven::art {

// Translation context of every text the pictures print.
class ArtText {
    Q_DECLARE_TR_FUNCTIONS(ArtText)
};

// The product's name as the pictures print it: a name, the same in every
// language, like the application title.
inline QString productName() { return QStringLiteral("STAR HAVEN"); }
inline QString productSubtitle() { return QStringLiteral("Virtual Slots"); }

namespace colour {
inline const QColor CabinetRed{0xB0, 0x12, 0x1B};
inline const QColor CabinetLit{0xD9, 0x26, 0x2E};
inline const QColor CabinetShadow{0x5E, 0x07, 0x0C};
inline const QColor ChromeLight{0xF4, 0xF4, 0xF6};
inline const QColor ChromeMid{0x9A, 0x9C, 0xA3};
inline const QColor ChromeEnd{0xE2, 0xE3, 0xE8};
inline const QColor Gold{0xF7, 0xD4, 0x6B};
inline const QColor GoldOutline{0x8A, 0x5A, 0x0B};
inline const QColor GlassTop{0x05, 0x05, 0x05};
inline const QColor GlassBottom{0x16, 0x16, 0x16};
inline const QColor Card{0xFF, 0xFF, 0xFF};
inline const QColor CardEdge{0xC9, 0xC9, 0xC9};
inline const QColor NoteGreen{0xCF, 0xE3, 0xC5};
inline const QColor NoteInk{0x2F, 0x5D, 0x34};
} // namespace colour

enum class Face { Sans, SansCondensed, Serif };
// No text is printed smaller: below it, type does not read on a screen.
inline constexpr int MinimumPixels = 8;

// A transparent pixmap of the logical size at the ratio, ready to paint in
// logical coordinates.
QPixmap makeCanvas(QSize logical, qreal dpr);
void prepare(QPainter& p);
// The logical rectangle covering every physical pixel of the canvas, which at
// a fractional ratio reaches past the logical size; backgrounds fill this.
QRectF canvasRect(const QPixmap& canvas);

QFont artFont(Face face, int pixelSize, bool bold = true, bool italic = false);
// The largest of the faces' fonts, from the pixel size down to the 8 px
// below which type is not printed, in which the text is no wider than
// `width`; at one size the faces are tried in their order. A translation
// longer than the English text so keeps within its box; when even 8 px is
// too wide, the tightest font.
QFont fittedFont(std::initializer_list<Face> faces, int pixelSize, const QString& text, qreal width, bool bold = true,
                 bool italic = false);

QLinearGradient gradient(QPointF from, QPointF to, std::initializer_list<QColor> stops);
QLinearGradient chromeGradient(QPointF from, QPointF to);
QLinearGradient goldGradient(qreal top, qreal bottom);

// The outline of a text placed in a box: horizontally by the alignment,
// vertically with its capitals centred (or on the box's top or bottom).
QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment align);
// Fills the path with an outline of the given width drawn outside it.
void drawOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& outline, qreal width);
// A blurred copy of the shape behind what follows: glows and soft shadows.
void drawGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal radius, QPointF offset = {});

// Polished metal in concentric bands, brighter towards the light (upper left).
void drawChromeRing(QPainter& p, const QRectF& outer, qreal width, qreal radius);
// A straight chrome rail; the profile runs across its thickness.
void fillChromeBar(QPainter& p, const QRectF& bar, Qt::Orientation orientation);
// Red lacquer lit from the upper left.
void fillLacquer(QPainter& p, const QPainterPath& area, const QRectF& lightBox);

QPainterPath starPath(QPointF centre, qreal outer, qreal inner);
// The product emblem: a gold star on a deep blue disc ringed in red and gold.
// Below about 20 px of radius the rings thin out and the star grows, so the
// emblem still reads at icon sizes.
void drawEmblem(QPainter& p, QPointF centre, qreal radius);
// A small green bill with its value; the text is left out when too small.
void drawBanknote(QPainter& p, const QRectF& rect, const QString& value, int textPixels);

// A reel card of 80 x 60 logical pixels mapped onto the rectangle. Without
// lettering (for miniatures) the bars carry no text that would be too small.
void drawSymbolCard(QPainter& p, const QRectF& rect, Symbol s, bool lettering);

} // namespace strhaven::art
