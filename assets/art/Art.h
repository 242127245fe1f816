#pragma once

#include "core/PayTable.h"
#include "core/Symbol.h"

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The game's pictures. Each function paints at the requested device pixel
// ratio: the pixmap has the logical size given beside it, a physical size of
// logical x dpr (rounded up) and that devicePixelRatio(), so it stays sharp
// on high-density screens.
namespace strhaven::art {

enum class Button { Play1, Play2, PlayMax, CashOut };
enum class ButtonState { Normal, Pressed, Disabled };

// A button's caption in the player's language; '&' marks the underlined
// letter, the key that presses the button.
QString buttonCaption(Button b);

QPixmap machineFace(const PayTable& table, qreal dpr);  // 640 x 424
QPixmap frameTop(qreal dpr);                            // 279 x 18
QPixmap frameBottom(qreal dpr);                         // 277 x 45
QPixmap symbol(Symbol s, qreal dpr);                    // 80 x 60
QPixmap button(Button b, ButtonState state, qreal dpr); // 68 x 30
QPixmap denomination(int cents, qreal dpr);             // 42 x 38
QPixmap splash(qreal dpr);                              // 365 x 185
QPixmap shortcutChart(qreal dpr);                       // 245 x 168
QStringList shortcutChartLines();                       // what the chart says, line by line
QIcon programIcon();                                    // 16 to 256 px

// One printed line of the pay table: its caption, the combination it stands
// for and the wins for one, two and three coins as the machine pays them.
struct PayRow {
    QString label;
    Combination combination;
    std::array<int, 3> pays;
};
std::vector<PayRow> payRows(const PayTable& table);
// Where the printed pay table shows a row's cell, in face coordinates:
// column 0 is the combination, 1 to 3 the wins for one to three coins.
// Row -1 is the headings' ("PAYS", "1 COIN", ...).
QRectF payCellRect(int row, int column);

// Logical sizes, for the widgets that show these pictures.
inline constexpr QSize FaceSize{640, 424};
inline constexpr QSize FrameTopSize{279, 18};
inline constexpr QSize FrameBottomSize{277, 45};
inline constexpr QSize SymbolSize{80, 60};
inline constexpr QSize ButtonSize{68, 30};
inline constexpr QSize DenominationSize{42, 38};
inline constexpr QSize SplashSize{365, 185};
inline constexpr QSize ShortcutChartSize{245, 168};

// The bill slots on the face, in face coordinates: the banknote is printed
// where the slot's hot spot lies.
struct BillPlace {
    int dollars;
    QRect rect;
};
inline constexpr std::array<BillPlace, 5> BillPlaces{{
    {5, QRect(387, 312, 25, 20)},
    {10, QRect(425, 312, 36, 20)},
    {20, QRect(475, 312, 36, 20)},
    {50, QRect(528, 312, 36, 20)},
    {100, QRect(581, 312, 48, 20)},
}};

} // namespace strhaven::art
