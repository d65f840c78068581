// board_picture.h: the board: frame, panel, title, masks, the disk with its thirteen hollows, the corner marks and the red band.
#pragma once

#include <QPainter>
#include <QPointF>
#include <array>

namespace boardpics {

// Top-left corners of the thirteen 44 x 44 stone images, pit 1 first; each
// hollow is drawn centred in its pit's square.
inline constexpr std::array<QPointF, 13> kPitTopLeft = {{
    {210, 86}, {255, 107}, {288, 144}, {296, 192}, {283, 241}, {248, 277}, {198, 295},
    {148, 287}, {107, 254}, {88, 208}, {91, 159}, {117, 115}, {161, 90}}};
inline constexpr QPointF kPitCentreOffset{22, 22};
// The centre of the ring the pits lie on.
inline constexpr QPointF kRingCentre{3202.0 / 15.0, 3162.0 / 15.0};
// Dez's picture lies on the right-hand portrait; the left one mirrors it.
inline constexpr QPointF kRightPortrait{340, 16};
inline constexpr QPointF kLeftPortrait{25, 16};

// The whole 430 x 407 board.
void drawBoard(QPainter& p);

}  // namespace boardpics
