// side_about.cpp: the about picture, the makers' group portrait in a lettered round frame.
#include "side_art.h"
#include "side_pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace side {

namespace {

constexpr qreal kWidth = 352;
constexpr qreal kHeight = 308;
// The lower band holds the captions on the right; its left end stays plain,
// since the box's two buttons stand there.
constexpr qreal kBandTop = 234;
const QPointF kCentre(176, 116);
constexpr qreal kOuter = 110;
constexpr qreal kInner = 92;

const char* const kRingTop = "KAMPUNG GONG STUDIO";
const char* const kRingBottom = "SELAMAT BERMAIN";
const char* const kTitle = "Wirangga 1.0";
const char* const kCaptionLines[] = {
    "by Kampung Gong Studio, Yogyakarta",
    "Ayu, Bima, Wulan, Gede and Pak Joko",
};
const char* const kFootnote = "and Dez, who was not invited";

// The kawung motif of batik: four leaves around a dot, tile after tile.
void drawKawung(QPainter& p, const QRectF& area) {
  const qreal step = 22;
  p.setPen(QPen(QColor(120, 90, 160, 55), 0.8));
  p.setBrush(QColor(90, 60, 130, 28));
  for (qreal y = area.top(); y < area.bottom() + step; y += step) {
    for (qreal x = area.left(); x < area.right() + step; x += step) {
      for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(x, y);
        p.rotate(45 + 90 * k);
        p.drawEllipse(QPointF(0, -6.5), 3.6, 6.2);
        p.restore();
      }
      p.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
  }
}

void drawBackground(QPainter& p) {
  QLinearGradient night(0, 0, 0, kBandTop);
  night.setColorAt(0, QColor(40, 28, 70));
  night.setColorAt(1, QColor(22, 16, 42));
  p.fillRect(QRectF(0, 0, kWidth, kBandTop), night);
  p.save();
  p.setClipRect(QRectF(0, 0, kWidth, kBandTop));
  drawKawung(p, QRectF(0, 0, kWidth, kBandTop));
  p.restore();
  p.fillRect(QRectF(0, kBandTop, kWidth, kHeight - kBandTop), QColor(26, 19, 46));
  p.setPen(QPen(QColor(200, 150, 70), 1.2));
  p.drawLine(QPointF(0, kBandTop + 0.6), QPointF(kWidth, kBandTop + 0.6));
  p.setPen(QPen(QColor(200, 150, 70, 120), 0.6));
  p.drawLine(QPointF(0, kBandTop + 3), QPointF(kWidth, kBandTop + 3));
}

// Letters set around the ring: along its top reading clockwise, along its
// bottom reading left to right, upright for the eye.
void letterArc(QPainter& p, const QString& text, qreal radius, bool top) {
  const QFont font = serif(11, true);
  const QFontMetricsF metrics(font);
  const qreal spacing = 1.6;
  qreal total = 0;
  for (QChar c : text) total += metrics.horizontalAdvance(c) + spacing;
  total -= spacing;
  const qreal baseline = top ? radius - metrics.capHeight() / 2 : radius + metrics.capHeight() / 2;
  const qreal span = total / baseline;
  qreal along = 0;
  for (QChar c : text) {
    const qreal advance = metrics.horizontalAdvance(c);
    const qreal middle = along + advance / 2;
    const qreal angle = top ? -M_PI / 2 - span / 2 + middle / baseline : M_PI / 2 + span / 2 - middle / baseline;
    p.save();
    p.translate(kCentre + QPointF(baseline * std::cos(angle), baseline * std::sin(angle)));
    p.rotate((top ? angle + M_PI / 2 : angle - M_PI / 2) * 180 / M_PI);
    QPainterPath glyph;
    glyph.addText(-advance / 2, 0, font, QString(c));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 180, 120));
    p.drawPath(glyph.translated(0, 0.7));
    p.setBrush(QColor(70, 36, 10));
    p.drawPath(glyph);
    p.restore();
    along += advance + spacing;
  }
}

void drawRing(QPainter& p) {
  QPainterPath ring;
  ring.addEllipse(kCentre, kOuter, kOuter);
  ring.addEllipse(kCentre, kInner, kInner);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawEllipse(kCentre + QPointF(2, 3), kOuter + 1, kOuter + 1);
  p.setBrush(goldBrush(QRectF(kCentre.x() - kOuter, kCentre.y() - kOuter, 2 * kOuter, 2 * kOuter)));
  p.setPen(QPen(QColor(100, 62, 15), 1));
  p.drawPath(ring);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 78, 22), 0.7));
  p.drawEllipse(kCentre, kOuter - 3, kOuter - 3);
  p.drawEllipse(kCentre, kInner + 3, kInner + 3);
  const qreal middle = (kOuter + kInner) / 2;
  letterArc(p, kRingTop, middle, true);
  letterArc(p, kRingBottom, middle, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 20, 20));
  for (int side = -1; side <= 1; side += 2)
    p.drawPath(sparkle(kCentre + QPointF(side * middle, 0), 5.5));
}

void drawGroup(QPainter& p) {
  QPainterPath inside;
  inside.addEllipse(kCentre, kInner, kInner);
  QRadialGradient studio(kCentre + QPointF(-10, -30), 120);
  studio.setColorAt(0, QColor(190, 120, 80));
  studio.setColorAt(0.6, QColor(110, 55, 50));
  studio.setColorAt(1, QColor(45, 22, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(studio);
  p.drawPath(inside);
  p.save();
  p.setClipPath(inside);

  // Dez has slipped in behind the back row.
  Mask dez;
  dez.face = QColor(204, 36, 30);
  dez.horns = true;
  dez.crown = false;
  dez.maneSeed = 7;
  drawMask(p, kCentre + QPointF(0, -56), 70, dez);

  Face gede;
  gede.skin = QColor(176, 122, 84);
  gede.hairStyle = Hair::Short;
  gede.headwear = Headwear::Blangkon;
  gede.headwearColour = QColor(110, 62, 30);
  gede.clothes = QColor(40, 60, 100);
  gede.trim = QColor(200, 180, 140);
  gede.moustache = true;
  gede.expression = Expression::Calm;
  gede.look = 0.4;
  Face wulan;
  wulan.skin = QColor(224, 176, 136);
  wulan.headwear = Headwear::Hijab;
  wulan.headwearColour = QColor(40, 130, 120);
  wulan.lashes = true;
  wulan.look = -0.4;
  Face bima;
  bima.skin = QColor(200, 146, 104);
  bima.hairStyle = Hair::Short;
  bima.clothes = QColor(190, 140, 40);
  bima.trim = QColor(110, 70, 20);
  bima.glasses = true;
  bima.expression = Expression::Grin;
  bima.look = 0.5;
  Face ayu;
  ayu.skin = QColor(232, 186, 146);
  ayu.hairStyle = Hair::Bun;
  ayu.clothes = QColor(170, 40, 70);
  ayu.lashes = true;
  ayu.earrings = true;
  Face joko;
  joko.skin = QColor(190, 136, 96);
  joko.hair = QColor(200, 200, 196);
  joko.hairStyle = Hair::Bald;
  joko.clothes = QColor(70, 110, 60);
  joko.trim = QColor(230, 220, 190);
  joko.glasses = true;
  joko.moustache = true;
  joko.look = -0.5;

  drawFace(p, kCentre + QPointF(-32, -26), 62, gede);
  drawFace(p, kCentre + QPointF(32, -26), 62, wulan);
  drawFace(p, kCentre + QPointF(-58, 20), 68, bima);
  drawFace(p, kCentre + QPointF(58, 20), 68, joko);
  drawFace(p, kCentre + QPointF(0, 26), 72, ayu);

  // The glass over the photograph catches a little light.
  QLinearGradient glass(kCentre + QPointF(-kInner, -kInner), kCentre + QPointF(kInner, kInner));
  glass.setColorAt(0, QColor(255, 255, 255, 40));
  glass.setColorAt(0.4, QColor(255, 255, 255, 0));
  glass.setColorAt(1, QColor(0, 0, 0, 70));
  p.setBrush(glass);
  p.drawPath(inside);
  p.restore();
}

void drawCaptions(QPainter& p) {
  // Centred in the band to the right of the buttons.
  const qreal middle = (100 + kWidth) / 2;
  QPainterPath title;
  title.addText(0, 0, serif(22, true), kTitle);
  title.translate(middle - title.boundingRect().center().x(), kBandTop + 25);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 140));
  p.drawPath(title.translated(1, 1.2));
  p.setBrush(goldLettering(title.boundingRect()));
  p.drawPath(title);

  const QFont small = sans(10);
  const QFontMetricsF metrics(small);
  p.setPen(QColor(226, 214, 236));
  p.setFont(small);
  qreal y = kBandTop + 40;
  for (const char* line : kCaptionLines) {
    const QString text = QString::fromUtf8(line);
    p.drawText(QPointF(middle - metrics.horizontalAdvance(text) / 2, y), text);
    y += 13;
  }
  QPainterPath footnote = scriptText(kFootnote, 12);
  footnote.translate(middle - footnote.boundingRect().center().x(), y + 1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 70, 60));
  p.drawPath(footnote);
}

}  // namespace

void drawAbout(QPainter& p) {
  drawBackground(p);
  drawGroup(p);
  drawRing(p);
  drawCaptions(p);
}

}  // namespace side
