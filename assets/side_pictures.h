// side_pictures.h: the three side-window pictures, each drawn in its own 1x coordinates.
#pragma once

#include <QPainter>

namespace side {

// Each draws the whole picture into a painter already scaled for the
// resolution wanted, so the 2x twin is drawn, not enlarged.
void drawHistory(QPainter& p);  // 499 x 348
void drawVictory(QPainter& p);  // 529 x 264
void drawAbout(QPainter& p);    // 352 x 308

}  // namespace side
