// board_stones.cpp: the four stone pictures and the empty hollow a stone sits in.
#include "board_stones.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "board_kit.h"

namespace boardpics {

namespace {

struct StoneColours {
  QColor highlight, base, edge, crack, lip, halo;
};

StoneColours coloursOf(StoneLook look) {
  switch (look) {
    case StoneLook::Plain:
      return {QColor(0xf7f5f0), QColor(0xc4c0b8), QColor(0x6e6962), rgba(0x26221e, 235),
              QColor(255, 255, 255, 110), QColor(0, 0, 0, 0)};
    case StoneLook::Lit:
      return {QColor(0xffb08a), QColor(0xe8341e), QColor(0x7e0c06), rgba(0x3a0402, 230),
              QColor(255, 200, 170, 110), QColor(255, 60, 20, 150)};
    case StoneLook::Pressed:
      return {QColor(0xb84a3a), QColor(0x7e1810), QColor(0x300402), rgba(0x160100, 235),
              QColor(220, 120, 100, 70), QColor(0, 0, 0, 0)};
    case StoneLook::Chosen:
      return {QColor(0xc4d8ff), QColor(0x3566e0), QColor(0x0a1a64), rgba(0x060c2a, 230),
              QColor(210, 225, 255, 100), QColor(60, 120, 255, 120)};
  }
  return {};
}

// The cracks are the same on every stone picture: it is one stone, lit,
// pressed or chosen.
std::vector<Crack> stoneCracks(QPointF c, double r) {
  Rng rng(0x5709e5u);
  std::vector<Crack> cracks;
  const double starts[] = {-2.2, -0.5, 0.9, 2.3, 3.6};
  for (double a : starts) {
    const double angle = a + rng.uniform(-0.2, 0.2);
    const QPointF from = c + QPointF(std::cos(angle), std::sin(angle)) * (r + 0.5);
    growCracks(cracks, rng, from, angle + M_PI + rng.uniform(-0.6, 0.6), rng.uniform(9.0, 20.0),
               1.25, 2);
  }
  // Two hairlines that start inside the stone.
  growCracks(cracks, rng, c + QPointF(-4, 6), 0.3, 9.0, 0.7, 1);
  growCracks(cracks, rng, c + QPointF(5, -6), 2.0, 7.0, 0.6, 0);
  return cracks;
}

}  // namespace

void drawStone(QPainter& p, StoneLook look) {
  const StoneColours col = coloursOf(look);
  const bool pressed = look == StoneLook::Pressed;
  // A pressed stone sinks a little into its pit: its shadow shrinks and it
  // moves half a pixel towards the light's far side.
  const QPointF c = pressed ? QPointF(22.4, 22.5) : QPointF(22.0, 22.0);
  const double r = kStoneRadius;

  p.save();
  p.setPen(Qt::NoPen);

  // Shadow cast into the hollow.
  {
    const QPointF at = c + (pressed ? QPointF(0.4, 0.6) : QPointF(1.0, 1.5));
    const double reach = r + (pressed ? 1.2 : 2.4);
    QRadialGradient g(at, reach);
    g.setColorAt(0.0, QColor(0, 0, 0, 170));
    g.setColorAt((r - 1.0) / reach, QColor(0, 0, 0, 150));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.drawEllipse(at, reach, reach);
  }
  // A glow for the lit and the chosen stone.
  if (col.halo.alpha() > 0) {
    const double reach = 21.9;
    QRadialGradient g(c, reach);
    g.setColorAt(0.0, col.halo);
    g.setColorAt((r - 0.5) / reach, col.halo);
    g.setColorAt(1.0, withAlpha(col.halo, 0));
    p.setBrush(g);
    p.drawEllipse(c, reach, reach);
  }

  QPainterPath body;
  body.addEllipse(c, r, r);
  {
    QRadialGradient g(c + QPointF(1.5, 2.0), r * 1.2, c + QPointF(-7.0, -8.0));
    g.setColorAt(0.0, col.highlight);
    g.setColorAt(0.45, col.base);
    g.setColorAt(0.85, mix(col.base, col.edge, 0.7));
    g.setColorAt(1.0, col.edge);
    p.fillPath(body, g);
  }

  p.setClipPath(body, Qt::IntersectClip);
  Rng grain(0x9a1e5u);
  drawGrain(p, body.boundingRect(), grain, 150, QColor(255, 255, 255, 46), QColor(0, 0, 0, 40),
            0.6, 3.4);
  // Pits in the stone's skin.
  for (int i = 0; i < 26; ++i) {
    const double a = grain.uniform(0, 2 * M_PI);
    const double d = std::sqrt(grain.uniform(0, 1)) * (r - 2.0);
    const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * d;
    p.setBrush(withAlpha(col.crack, 80));
    p.drawEllipse(at, 0.45, 0.45);
  }
  drawCracks(p, stoneCracks(c, r), col.crack, col.lip);
  // Light thrown back from the pit onto the stone's lower right edge.
  {
    QPainterPath ring;
    ring.addEllipse(c, r, r);
    ring.addEllipse(c + QPointF(-1.3, -1.6), r - 0.6, r - 0.6);
    QLinearGradient g(c + QPointF(-r, -r), c + QPointF(r, r));
    g.setColorAt(0.55, withAlpha(col.highlight, 0));
    g.setColorAt(1.0, withAlpha(col.highlight, 120));
    p.fillPath(ring, g);
  }
  // The shine.
  {
    const QPointF at = c + QPointF(-6.5, -7.5);
    QRadialGradient g(at, 7.0);
    g.setColorAt(0.0, QColor(255, 255, 255, pressed ? 90 : 190));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(g);
    p.drawEllipse(at, 7.0, 7.0);
  }
  if (pressed) {
    // Held down, the stone's upper rim falls into shadow.
    QRadialGradient g(c + QPointF(2.0, 2.5), r + 1.0);
    g.setColorAt(0.7, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillPath(body, g);
  }
  p.setClipping(false);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(col.edge.darker(170), 220), 0.9));
  p.drawEllipse(c, r - 0.35, r - 0.35);
  p.restore();
}

void drawHollow(QPainter& p, QPointF c, unsigned seed) {
  const double r = kHollowRadius;
  p.save();
  p.setPen(Qt::NoPen);

  // The raised lip: lit at the top left, in shade at the bottom right.
  {
    QPainterPath lip;
    lip.addEllipse(c, r + 2.4, r + 2.4);
    QLinearGradient g(c + QPointF(-r, -r), c + QPointF(r, r));
    g.setColorAt(0.0, QColor(0xcbbba2));
    g.setColorAt(0.5, QColor(0x7a6a58));
    g.setColorAt(1.0, QColor(0x2e241c));
    p.fillPath(lip, g);
  }

  QPainterPath hole;
  hole.addEllipse(c, r, r);
  {
    QRadialGradient g(c + QPointF(2, 3), r);
    g.setColorAt(0.0, QColor(0x4a3f35));
    g.setColorAt(1.0, QColor(0x2b231d));
    p.fillPath(hole, g);
  }
  p.setClipPath(hole, Qt::IntersectClip);
  Rng rng(0x401e00u + seed * 7919u);
  drawGrain(p, hole.boundingRect(), rng, 70, QColor(0xa8, 0x96, 0x80, 50), QColor(0, 0, 0, 70),
            0.8, 4.0);
  std::vector<Crack> cracks;
  for (int i = 0; i < 4; ++i) {
    const double a = rng.uniform(0, 2 * M_PI);
    const QPointF from = c + QPointF(std::cos(a), std::sin(a)) * r;
    growCracks(cracks, rng, from, a + M_PI + rng.uniform(-0.7, 0.7), rng.uniform(10.0, 24.0), 1.2,
               2);
  }
  drawCracks(p, cracks, QColor(0x0e0906), rgba(0x9a8a76, 110));
  // The wall of the pit: dark under the lit rim, catching light opposite.
  {
    QRadialGradient g(c + QPointF(2.5, 3.2), r + 2.5);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.62, QColor(0, 0, 0, 10));
    g.setColorAt(1.0, QColor(0, 0, 0, 200));
    p.fillPath(hole, g);
  }
  {
    QPainterPath ring;
    ring.addEllipse(c, r, r);
    ring.addEllipse(c + QPointF(-1.6, -2.0), r - 0.4, r - 0.4);
    QLinearGradient g(c + QPointF(-r, -r), c + QPointF(r, r));
    g.setColorAt(0.5, QColor(0xc0, 0xac, 0x90, 0));
    g.setColorAt(1.0, QColor(0xc0, 0xac, 0x90, 130));
    p.fillPath(ring, g);
  }
  p.restore();
}

}  // namespace boardpics
