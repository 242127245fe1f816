#pragma once

#include "core/PayTable.h"

#include <QPainter>

// The regions of the machine face, each painted in the face's own 640 x 424
// logical coordinates. The places match where the main window lays its
// controls over the background.
namespace strhaven::art {

void drawPayTable(QPainter& p, const PayTable& table);  // x 0..269
void drawCabinet(QPainter& p);                          // x 270..639
void drawWheelWindow(QPainter& p);
void drawCabinetOrnaments(QPainter& p);
// A gold sign with a dark caption: the Payline tag, the bill arrow.
void drawGoldSign(QPainter& p, const QPainterPath& shape, const QLineF& highlight, const QString& text,
                  const QRectF& textBox);
void drawPaylineTag(QPainter& p);
void drawCoinSquare(QPainter& p);
void drawButtonDeck(QPainter& p);
void drawBillRow(QPainter& p);
void drawProductName(QPainter& p);

} // namespace strhaven::art
