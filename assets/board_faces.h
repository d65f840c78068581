// board_faces.h: the faces of the main window: Dez's head, the two players' masks and the window icon.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRgb>
#include <array>

namespace boardpics {

// Dez's red devil's head on a 65 x 90 canvas, transparent around it. The
// lowest rows stay empty: the second name label is drawn over them.
void drawDez(QPainter& p);

// The outline of Dez's head (without horns and ears) on that canvas.
QPainterPath dezHeadOutline();

// The masks in the board's upper corners, drawn on a 65 x 78 portrait
// canvas. Player 2's mask lies under Dez's picture and stays inside his head
// even while he dances, so it shows only when Dez is hidden.
void drawPlayerOneMask(QPainter& p);
void drawPlayerTwoMask(QPainter& p);

// A close-up of Dez's face on a 32 x 32 canvas, for the window icon.
void drawIconFace(QPainter& p);

// The fifteen colours the icon is reduced to (a sixteenth is transparent).
std::array<QRgb, 15> iconPalette();

}  // namespace boardpics
