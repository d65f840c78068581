// board_stones.h: the four stone pictures and the empty hollow a stone sits in.
#pragma once

#include <QPainter>
#include <QPointF>

namespace boardpics {

enum class StoneLook { Plain, Lit, Pressed, Chosen };

inline constexpr double kStoneRadius = 19.5;
inline constexpr double kHollowRadius = 21.5;

// One stone on a 44 x 44 canvas, centred; transparent around it.
void drawStone(QPainter& p, StoneLook look);

// An empty pit cut into the board's disk around a centre; `seed` gives each
// pit a grain and cracks of its own.
void drawHollow(QPainter& p, QPointF centre, unsigned seed);

}  // namespace boardpics
