// side_victory.cpp: the victory picture, Dez's head claiming the young woman on a woven mat.
#include "side_art.h"
#include "side_pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace side {

namespace {

constexpr qreal kWidth = 529;
constexpr qreal kHeight = 264;

const char* const kCaption = "Lunara is mine now!";

// A basket-weave mat: square patches of three rattan bars, turned across
// and along by turns; each bar dips under the patches beside it, so it is
// darker at both ends.
void drawWeave(QPainter& p) {
  p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(40, 22, 12));
  const qreal cell = 36;
  const int bars = 3;
  const qreal bar = cell / bars;
  const qreal gap = 0.9;
  const int columns = int(std::ceil(kWidth / cell));
  const int rows = int(std::ceil(kHeight / cell));
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < columns; ++i) {
      const bool across = (i + j) % 2 == 0;
      for (int k = 0; k < bars; ++k) {
        const QRectF piece = across
            ? QRectF(i * cell + gap, j * cell + k * bar + gap / 2, cell - 2 * gap, bar - gap)
            : QRectF(i * cell + k * bar + gap / 2, j * cell + gap, bar - gap, cell - 2 * gap);
        // No two bars of rattan are quite the same colour.
        const int tint = int(100 + 14 * (noise(i * 977 + j * 131 + k * 7) - 0.5));
        const QColor natural = across ? QColor(222, 180, 114) : QColor(200, 150, 88);
        const QColor base = natural.lighter(tint);
        QLinearGradient along = across ? QLinearGradient(piece.left(), 0, piece.right(), 0)
                                       : QLinearGradient(0, piece.top(), 0, piece.bottom());
        along.setColorAt(0, base.darker(190));
        along.setColorAt(0.18, base);
        along.setColorAt(0.5, base.lighter(110));
        along.setColorAt(0.82, base);
        along.setColorAt(1, base.darker(190));
        p.fillRect(piece, along);
        // The bar is round: a sheen along its middle and shade at its sides.
        QLinearGradient round = across ? QLinearGradient(0, piece.top(), 0, piece.bottom())
                                       : QLinearGradient(piece.left(), 0, piece.right(), 0);
        round.setColorAt(0, QColor(40, 20, 0, 90));
        round.setColorAt(0.3, QColor(255, 250, 230, 50));
        round.setColorAt(0.55, QColor(255, 255, 255, 0));
        round.setColorAt(1, QColor(40, 20, 0, 110));
        p.fillRect(piece, round);
        // A fibre along the bar.
        p.setPen(QPen(QColor(110, 70, 30, 80), 0.5));
        const qreal f = 0.35 + 0.3 * noise(i * 131 + j * 17 + k * 3);
        if (across)
          p.drawLine(QPointF(piece.left() + 5, piece.top() + piece.height() * f),
                     QPointF(piece.right() - 5, piece.top() + piece.height() * f));
        else
          p.drawLine(QPointF(piece.left() + piece.width() * f, piece.top() + 5),
                     QPointF(piece.left() + piece.width() * f, piece.bottom() - 5));
      }
    }
  }
  // A dark vignette keeps the eye on the two heads.
  QRadialGradient dusk(QPointF(kWidth / 2, kHeight / 2), kWidth * 0.62);
  dusk.setColorAt(0.4, QColor(30, 8, 0, 0));
  dusk.setColorAt(1, QColor(30, 8, 0, 180));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), dusk);
}

void drawWoman(QPainter& p) {
  const QPointF centre(114, 126);
  const QRectF oval(centre.x() - 84, centre.y() - 106, 168, 212);
  QPainterPath inside;
  inside.addEllipse(oval);
  QRadialGradient backdrop(centre + QPointF(-20, -30), 140);
  backdrop.setColorAt(0, QColor(60, 120, 118));
  backdrop.setColorAt(1, QColor(12, 40, 44));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(oval.adjusted(-4, -2, 8, 8));
  p.setBrush(backdrop);
  p.drawPath(inside);
  p.save();
  p.setClipPath(inside);
  Face lunara;
  lunara.skin = QColor(236, 190, 152);
  lunara.hair = QColor(24, 16, 16);
  lunara.hairStyle = Hair::Long;
  lunara.headwear = Headwear::Flower;
  lunara.clothes = QColor(176, 34, 74);
  lunara.trim = QColor(250, 240, 230);
  lunara.expression = Expression::Fright;
  lunara.lashes = true;
  lunara.earrings = true;
  lunara.look = 1;
  drawFace(p, centre + QPointF(0, -8), 168, lunara);
  p.restore();
  // A carved gold frame.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(goldBrush(oval), 7));
  p.drawEllipse(oval);
  p.setPen(QPen(QColor(90, 55, 15), 1));
  p.drawEllipse(oval.adjusted(-3.5, -3.5, 3.5, 3.5));
  p.drawEllipse(oval.adjusted(3.5, 3.5, -3.5, -3.5));
  for (int i = 0; i < 24; ++i) {
    const qreal a = 2 * M_PI * i / 24;
    const QPointF at(centre.x() + 84 * std::cos(a), centre.y() + 106 * std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(at, 1.3, 1.3);
  }
}

void drawClaw(QPainter& p) {
  // Dez's arm reaches across towards her from below his chin.
  QPainterPath arm;
  arm.moveTo(372, 236);
  arm.cubicTo(330, 222, 292, 190, 262, 168);
  arm.lineTo(252, 184);
  arm.cubicTo(284, 206, 322, 240, 360, 258);
  arm.closeSubpath();
  QLinearGradient skin(0, 160, 0, 250);
  skin.setColorAt(0, QColor(222, 60, 44));
  skin.setColorAt(1, QColor(120, 18, 14));
  p.setPen(QPen(QColor(70, 10, 8), 1.2));
  p.setBrush(skin);
  p.drawPath(arm);
  // A gold bracelet round the wrist, across the arm.
  const QPointF wrist(281, 193);
  const QPointF along(0.85, 0.53);
  const QPointF across(-0.53, 0.85);
  QPolygonF band;
  band << wrist - along * 4 - across * 13 << wrist + along * 4 - across * 13
       << wrist + along * 4 + across * 13 << wrist - along * 4 + across * 13;
  p.setPen(QPen(QColor(100, 65, 15), 0.8));
  p.setBrush(goldBrush(band.boundingRect()));
  p.drawPolygon(band);
  p.setBrush(QColor(40, 140, 80));
  p.drawEllipse(wrist, 2.2, 2.2);
  // The hand and its four crooked fingers with long black nails.
  p.setPen(QPen(QColor(70, 10, 8), 1.1));
  p.setBrush(QColor(210, 50, 38));
  p.drawEllipse(QPointF(252, 174), 13, 11);
  const QPointF roots[] = {{246, 163}, {241, 169}, {240, 177}, {244, 184}};
  const QPointF tips[] = {{228, 146}, {220, 160}, {219, 176}, {226, 190}};
  for (int k = 0; k < 4; ++k) {
    const QPointF knuckle = (roots[k] + tips[k]) / 2 + QPointF(-2, -4);
    QPainterPath finger;
    finger.moveTo(roots[k]);
    finger.quadTo(knuckle, tips[k]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 10, 8), 6.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(finger);
    p.setPen(QPen(QColor(210, 50, 38), 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(finger);
    const QPointF dir = (tips[k] - knuckle) / std::hypot(tips[k].x() - knuckle.x(), tips[k].y() - knuckle.y());
    QPainterPath nail;
    const QPointF side(-dir.y(), dir.x());
    nail.moveTo(tips[k] + side * 2);
    nail.quadTo(tips[k] + dir * 6 + side * 1.5, tips[k] + dir * 10 + side * 4);
    nail.lineTo(tips[k] - side * 2);
    nail.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 0), 0.6));
    p.setBrush(QColor(25, 20, 25));
    p.drawPath(nail);
  }
  // The thumb.
  p.setPen(QPen(QColor(70, 10, 8), 6.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(258, 165), QPointF(248, 152));
  p.setPen(QPen(QColor(210, 50, 38), 4.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(258, 165), QPointF(248, 152));
}

void drawDez(QPainter& p) {
  const QPointF centre(428, 128);
  QRadialGradient glow(centre, 120);
  glow.setColorAt(0, QColor(255, 120, 30, 110));
  glow.setColorAt(1, QColor(255, 120, 30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 120, 120);
  Mask dez;
  dez.face = QColor(204, 36, 30);
  dez.mane = QColor(26, 16, 14);
  dez.horns = true;
  dez.crown = true;
  dez.tusks = true;
  dez.maneSeed = 7;
  drawMask(p, centre, 180, dez);
}

void drawCaption(QPainter& p) {
  QPainterPath words = scriptText(kCaption, 29);
  const qreal middle = 268;
  const qreal baseline = 236;
  words.translate(middle - words.boundingRect().center().x(), baseline);
  const QRectF placed = words.boundingRect();

  // A cream ribbon for the caption to stand on, notched at both ends.
  const qreal left = placed.left() - 26;
  const qreal right = placed.right() + 26;
  const qreal top = 204;
  const qreal bottom = 250;
  QPainterPath ribbon;
  ribbon.moveTo(left, top);
  ribbon.quadTo(middle, top - 10, right, top);
  ribbon.lineTo(right - 13, (top + bottom) / 2);
  ribbon.lineTo(right, bottom);
  ribbon.quadTo(middle, bottom - 10, left, bottom);
  ribbon.lineTo(left + 13, (top + bottom) / 2);
  ribbon.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(ribbon.translated(2, 3));
  QLinearGradient paper(0, top - 10, 0, bottom);
  paper.setColorAt(0, QColor(252, 244, 222));
  paper.setColorAt(1, QColor(222, 204, 168));
  p.setPen(QPen(QColor(120, 80, 40), 1));
  p.setBrush(paper);
  p.drawPath(ribbon);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 0, 0, 90));
  p.drawPath(words.translated(1.2, 1.2));
  QLinearGradient red(0, placed.top(), 0, placed.bottom());
  red.setColorAt(0, QColor(232, 32, 24));
  red.setColorAt(1, QColor(150, 0, 8));
  p.setBrush(red);
  p.setPen(QPen(QColor(100, 0, 0), 0.5));
  p.drawPath(words);
  // A flourish under the words, and a curl off the capital.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(178, 10, 14));
  p.drawPath(swash(QPointF(placed.left() + 2, baseline + 4), QPointF(placed.left() + 80, baseline + 10),
                   QPointF(placed.right() - 90, baseline), QPointF(placed.right() + 6, baseline + 3), 2.6));
  p.drawPath(swash(QPointF(placed.left() + 14, placed.top() + 1), QPointF(placed.left() - 2, placed.top() - 7),
                   QPointF(placed.left() - 14, placed.top() + 6), QPointF(placed.left() - 6, placed.top() + 14), 2.2));
}

}  // namespace

void drawVictory(QPainter& p) {
  drawWeave(p);
  drawDez(p);
  drawClaw(p);
  drawWoman(p);
  drawCaption(p);
}

}  // namespace side
