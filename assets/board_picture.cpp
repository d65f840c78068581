// board_picture.cpp: the board: frame, panel, title, masks, the disk with its thirteen hollows, the corner marks and the red band.
#include "board_picture.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "board_faces.h"
#include "board_kit.h"
#include "board_stones.h"

namespace boardpics {

namespace {

const QRectF kPanel(10, 10, 410, 367);  // the grey panel inside the frame
constexpr double kBandTop = 377;        // the red band runs from here to the bottom
constexpr double kDiskRadius = 144;

const QColor kFrame(0x170d08);
const QColor kBronzeLight(0xe8c27a);
const QColor kBronze(0xa8742e);
const QColor kBronzeDark(0x4a2c0e);

QLinearGradient bronze(QPointF from, QPointF to) {
  QLinearGradient g(from, to);
  g.setColorAt(0.0, kBronzeLight);
  g.setColorAt(0.45, kBronze);
  g.setColorAt(1.0, kBronzeDark);
  return g;
}

QPointF polar(QPointF centre, double degreesFromUp, double radius) {
  const double a = degreesFromUp * M_PI / 180.0;
  return centre + QPointF(std::sin(a) * radius, -std::cos(a) * radius);
}

// A cut line: a dark groove with a light edge below it.
void engrave(QPainter& p, const QPainterPath& path, double width, int strength) {
  p.strokePath(path.translated(0.5, 0.6), QPen(QColor(255, 240, 220, strength * 2 / 3), width));
  p.strokePath(path, QPen(QColor(0, 0, 0, strength), width));
}

// ------------------------------------------------------------ frame ----

void drawFrame(QPainter& p) {
  p.fillRect(QRectF(0, 0, 430, 407), kFrame);
  // A row of small kawung flowers runs round the frame.
  QPainterPath flowers;
  for (double x = 9; x < 425; x += 10) addKawung(flowers, QPointF(x, 5), 4.2);
  for (double y = 19; y < kBandTop - 4; y += 10) {
    addKawung(flowers, QPointF(5, y), 4.2);
    addKawung(flowers, QPointF(425, y), 4.2);
  }
  p.fillPath(flowers, QColor(0x5e4020));
  p.fillPath(flowers.translated(-0.4, -0.4), QColor(0x7a5630));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(bronze(QPointF(0, 0), QPointF(430, 407)), 1.4));
  p.drawRect(QRectF(8.7, 8.7, 412.6, kBandTop - 7.4));
  p.setPen(QPen(QColor(0x3a240c), 1.0));
  p.drawRect(QRectF(0.5, 0.5, 429, 406));
}

// ------------------------------------------------------------ panel ----

void drawPanel(QPainter& p) {
  p.save();
  p.setClipRect(kPanel);
  {
    QRadialGradient g(QPointF(215, 190), 300);
    g.setColorAt(0.0, QColor(0x958e82));
    g.setColorAt(1.0, QColor(0x676056));
    p.fillRect(kPanel, g);
  }
  Rng rng(0x9a2e1u);
  drawGrain(p, kPanel, rng, 2600, QColor(255, 250, 235, 30), QColor(30, 20, 10, 34), 0.7, 6.0);
  // A faint batik of kawung flowers cut into the stone.
  {
    QPainterPath batik;
    for (double y = kPanel.top() + 8; y < kPanel.bottom(); y += 17)
      for (double x = kPanel.left() + 8 + (static_cast<int>(y) % 34 < 17 ? 0 : 8.5);
           x < kPanel.right(); x += 17)
        addKawung(batik, QPointF(x, y), 9.0);
    p.fillPath(batik.translated(0.6, 0.7), QColor(255, 248, 230, 18));
    p.fillPath(batik, QColor(40, 28, 16, 26));
  }
  // Old cracks from the edges of the panel.
  std::vector<Crack> cracks;
  growCracks(cracks, rng, QPointF(kPanel.left(), 150), 0.2, 55, 1.0, 3);
  growCracks(cracks, rng, QPointF(kPanel.right(), 250), M_PI - 0.3, 45, 1.0, 3);
  growCracks(cracks, rng, QPointF(150, kPanel.top()), 1.9, 30, 0.9, 2);
  growCracks(cracks, rng, QPointF(300, kPanel.bottom()), -1.4, 35, 0.9, 2);
  growCracks(cracks, rng, QPointF(kPanel.left(), 260), -0.1, 30, 0.8, 2);
  drawCracks(p, cracks, QColor(40, 30, 22, 170), QColor(255, 250, 235, 70));
  // The panel lies sunk in the frame: shade along its edges.
  const double shade = 9;
  auto edge = [&](QRectF r, QPointF from, QPointF to) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(0, 0, 0, 130));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(r, g);
  };
  const QRectF& k = kPanel;
  edge(QRectF(k.left(), k.top(), k.width(), shade), k.topLeft(), k.topLeft() + QPointF(0, shade));
  edge(QRectF(k.left(), k.top(), shade, k.height()), k.topLeft(), k.topLeft() + QPointF(shade, 0));
  edge(QRectF(k.right() - shade, k.top(), shade, k.height()), k.topRight(),
       k.topRight() - QPointF(shade * 0.6, 0));
  edge(QRectF(k.left(), k.bottom() - shade, k.width(), shade), k.bottomLeft(),
       k.bottomLeft() - QPointF(0, shade * 0.6));
  p.restore();
}

// ------------------------------------------------------------ title ----

void drawTitle(QPainter& p) {
  QPainterPath plate;
  plate.moveTo(99, 37);
  plate.lineTo(113, 15);
  plate.lineTo(317, 15);
  plate.lineTo(331, 37);
  plate.lineTo(317, 59);
  plate.lineTo(113, 59);
  plate.closeSubpath();
  p.fillPath(plate.translated(1.5, 2.5), QColor(0, 0, 0, 90));
  {
    QLinearGradient g(QPointF(0, 15), QPointF(0, 59));
    g.setColorAt(0.0, QColor(0x5e120a));
    g.setColorAt(1.0, QColor(0x2a0503));
    p.fillPath(plate, g);
  }
  p.save();
  p.setClipPath(plate);
  // A border of small triangles inside the plate, as on a batik cloth's head.
  QPainterPath teeth;
  for (double x = 117; x < 314; x += 8) {
    teeth.moveTo(x, 19);
    teeth.lineTo(x + 8, 19);
    teeth.lineTo(x + 4, 23.5);
    teeth.closeSubpath();
    teeth.moveTo(x, 55);
    teeth.lineTo(x + 8, 55);
    teeth.lineTo(x + 4, 50.5);
    teeth.closeSubpath();
  }
  p.fillPath(teeth, QColor(0x8a2a14));
  p.restore();
  p.strokePath(plate, QPen(bronze(QPointF(99, 15), QPointF(331, 59)), 2.0));
  QPainterPath inner;
  inner.moveTo(104, 37);
  inner.lineTo(115.5, 19);
  inner.lineTo(314.5, 19);
  inner.lineTo(326, 37);
  inner.lineTo(314.5, 55);
  inner.lineTo(115.5, 55);
  inner.closeSubpath();
  p.strokePath(inner, QPen(QColor(0xc08a3a), 0.7));
  // Gems at the two points.
  for (double x : {106.5, 323.5}) {
    QRadialGradient g(QPointF(x - 0.8, 36), 3.4);
    g.setColorAt(0.0, QColor(0xfff0b0));
    g.setColorAt(1.0, QColor(0x9a6a20));
    p.setPen(QPen(QColor(0x2a1404), 0.6));
    p.setBrush(g);
    p.drawEllipse(QPointF(x, 37), 2.6, 2.6);
  }

  const QPainterPath text =
      textPath(TextFace{true, true}, 27, QStringLiteral("WIRANGGA"), QPointF(215, 37.5), 2.5);
  p.fillPath(text.translated(1.2, 1.8), QColor(0, 0, 0, 170));
  QLinearGradient gold(QPointF(0, 25), QPointF(0, 50));
  gold.setColorAt(0.0, QColor(0xfff4c0));
  gold.setColorAt(0.45, QColor(0xf0c050));
  gold.setColorAt(0.55, QColor(0xc88a24));
  gold.setColorAt(1.0, QColor(0x8a5a14));
  p.fillPath(text, gold);
  p.strokePath(text, QPen(QColor(0x3a1c04), 0.7));
}

// -------------------------------------------------------- portraits ----

QPainterPath nicheShape() {
  QPainterPath niche;
  niche.moveTo(1, 78);
  niche.lineTo(1, 22);
  niche.cubicTo(1, 6, 18, -1, 32.5, -1);
  niche.cubicTo(47, -1, 64, 6, 64, 22);
  niche.lineTo(64, 78);
  niche.closeSubpath();
  return niche;
}

void drawPortrait(QPainter& p, QPointF at, bool right) {
  p.save();
  p.translate(at);
  const QPainterPath niche = nicheShape();
  p.fillPath(niche.translated(1.5, 2), QColor(0, 0, 0, 90));
  {
    QRadialGradient g(QPointF(32.5, 42), 44);
    g.setColorAt(0.0, QColor(0x3e2618));
    g.setColorAt(1.0, QColor(0x0e0704));
    p.fillPath(niche, g);
  }
  p.save();
  p.setClipPath(niche);
  QPainterPath batik;
  for (double y = 2; y < 80; y += 11)
    for (double x = (static_cast<int>(y) % 22 < 11 ? 0 : 5.5); x < 66; x += 11)
      addKawung(batik, QPointF(x, y), 6.0);
  p.fillPath(batik, rgba(0x7a4a24, 40));
  p.restore();
  if (right)
    drawPlayerTwoMask(p);
  else
    drawPlayerOneMask(p);
  p.strokePath(niche, QPen(bronze(QPointF(0, 0), QPointF(65, 78)), 2.2));
  p.strokePath(niche, QPen(QColor(0x2a1606), 0.6));
  p.restore();
}

// A light plate under each portrait for the name label drawn over it.
void drawNamePlate(QPainter& p, QRectF r) {
  QPainterPath plate;
  plate.addRoundedRect(r, 3, 3);
  p.fillPath(plate.translated(1, 1.5), QColor(0, 0, 0, 100));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, QColor(0xf6eed8));
  g.setColorAt(1.0, QColor(0xe0d2b0));
  p.fillPath(plate, g);
  p.strokePath(plate, QPen(bronze(r.topLeft(), r.bottomRight()), 1.4));
}

// -------------------------------------------------------------- disk ----

std::array<QPointF, 13> pitCentres() {
  std::array<QPointF, 13> centres;
  for (std::size_t i = 0; i < centres.size(); ++i) centres[i] = kPitTopLeft[i] + kPitCentreOffset;
  return centres;
}

// Directions (degrees clockwise from up) halfway between neighbouring pits.
std::array<double, 13> gapDirections() {
  const auto centres = pitCentres();
  std::array<double, 13> out;
  for (std::size_t i = 0; i < 13; ++i) {
    const QPointF a = centres[i] - kRingCentre;
    const QPointF b = centres[(i + 1) % 13] - kRingCentre;
    const QPointF m = a / std::hypot(a.x(), a.y()) + b / std::hypot(b.x(), b.y());
    out[i] = std::atan2(m.x(), -m.y()) * 180.0 / M_PI;
  }
  return out;
}

void drawSun(QPainter& p, QPointF c) {
  // The sun of the old kingdoms: eight long and eight short rays round a
  // gong's boss.
  QPainterPath rays;
  for (int k = 0; k < 16; ++k) {
    const bool longRay = k % 2 == 0;
    const double dir = (22.5 * k + 11.25) * M_PI / 180.0;
    const QPointF out(std::sin(dir), -std::cos(dir));
    const QPointF side(-out.y(), out.x());
    const double reach = longRay ? 35 : 26;
    const double half = longRay ? 5.2 : 4.4;
    const QPointF base = c + out * 11.0;
    QPainterPath ray;
    ray.moveTo(base + side * half);
    ray.quadTo(base + out * ((reach - 11) * 0.55) + side * (half * 0.75), c + out * reach);
    ray.quadTo(base + out * ((reach - 11) * 0.55) - side * (half * 0.75), base - side * half);
    ray.closeSubpath();
    rays.addPath(ray);
  }
  rays.setFillRule(Qt::WindingFill);
  rays = rays.simplified();
  p.fillPath(rays.translated(1.2, 1.8), QColor(0, 0, 0, 120));
  QRadialGradient g(c, 34, c + QPointF(-8, -10));
  g.setColorAt(0.0, QColor(0xfff0b0));
  g.setColorAt(0.5, QColor(0xd09a3a));
  g.setColorAt(1.0, QColor(0x6a4010));
  p.fillPath(rays, g);
  p.strokePath(rays, QPen(QColor(0x2a1404), 0.8));
  // A line down the middle of each long ray.
  for (int k = 0; k < 16; k += 2) {
    const double dir = 22.5 * k + 11.25;
    QPainterPath spine;
    spine.moveTo(polar(c, dir, 16));
    spine.lineTo(polar(c, dir, 29));
    p.strokePath(spine, QPen(rgba(0x5a3410, 170), 0.6));
  }
  // The boss.
  p.setPen(QPen(QColor(0x2a1404), 0.9));
  p.setBrush(bronze(c - QPointF(14, 14), c + QPointF(14, 14)));
  p.drawEllipse(c, 14, 14);
  p.setPen(QPen(QColor(0x3a2008), 0.7));
  QRadialGradient dish(c, 11, c + QPointF(3, 4));
  dish.setColorAt(0.0, QColor(0xb07a30));
  dish.setColorAt(1.0, QColor(0x5a360e));
  p.setBrush(dish);
  p.drawEllipse(c, 11, 11);
  QRadialGradient knob(c, 7, c + QPointF(-2.5, -3));
  knob.setColorAt(0.0, QColor(0xfff6cc));
  knob.setColorAt(0.4, QColor(0xe0aa48));
  knob.setColorAt(1.0, QColor(0x6a4010));
  p.setBrush(knob);
  p.drawEllipse(c, 6.5, 6.5);
}

void drawDisk(QPainter& p) {
  const QPointF c = kRingCentre;
  const double R = kDiskRadius;
  p.save();
  p.setPen(Qt::NoPen);
  // Cast shadow on the panel.
  {
    const QPointF at = c + QPointF(3, 5);
    QRadialGradient g(at, R + 8);
    g.setColorAt((R - 10) / (R + 8), QColor(0, 0, 0, 150));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.drawEllipse(at, R + 8, R + 8);
  }
  // The bronze rim, bevelled.
  p.setBrush(bronze(c - QPointF(R, R), c + QPointF(R, R)));
  p.drawEllipse(c, R, R);
  p.setBrush(bronze(c + QPointF(R, R), c - QPointF(R, R)));
  p.drawEllipse(c, R - 3, R - 3);
  p.setBrush(QColor(0x24180e));
  p.drawEllipse(c, R - 5, R - 5);

  // The stone face of the disk.
  const double face = R - 6;
  QPainterPath disk;
  disk.addEllipse(c, face, face);
  {
    QRadialGradient g(c, face, c + QPointF(-30, -40));
    g.setColorAt(0.0, QColor(0x5c4a3c));
    g.setColorAt(0.7, QColor(0x44362c));
    g.setColorAt(1.0, QColor(0x2c221a));
    p.fillPath(disk, g);
  }
  p.setClipPath(disk);
  Rng rng(0xd15cu);
  drawGrain(p, disk.boundingRect(), rng, 1400, QColor(255, 230, 200, 26), QColor(0, 0, 0, 40), 0.7,
            5.0);
  // The inner field carries a faint kawung batik.
  {
    QPainterPath field;
    field.addEllipse(c, 79, 79);
    p.save();
    p.setClipPath(field, Qt::IntersectClip);
    QPainterPath batik;
    for (double y = c.y() - 84; y < c.y() + 84; y += 14)
      for (double x = c.x() - 84 + (static_cast<int>(y - c.y() + 84) % 28 < 14 ? 0 : 7);
           x < c.x() + 84; x += 14)
        addKawung(batik, QPointF(x, y), 7.5);
    p.fillPath(batik.translated(0.5, 0.6), QColor(255, 220, 180, 16));
    p.fillPath(batik, QColor(0, 0, 0, 50));
    p.restore();
  }
  std::vector<Crack> cracks;
  for (int i = 0; i < 7; ++i) {
    const double a = rng.uniform(0, 2 * M_PI);
    growCracks(cracks, rng, c + QPointF(std::cos(a), std::sin(a)) * face, a + M_PI + rng.uniform(-0.5, 0.5),
               rng.uniform(25, 50), 1.0, 2);
  }
  drawCracks(p, cracks, QColor(0, 0, 0, 150), QColor(255, 230, 200, 45));
  p.setClipping(false);

  // Two cut rings hold the pits between them; a row of teeth runs outside.
  QPainterPath rings;
  rings.addEllipse(c, 79.5, 79.5);
  rings.addEllipse(c, 131, 131);
  engrave(p, rings, 1.0, 150);
  {
    QPainterPath teeth;
    const int n = 60;
    for (int k = 0; k < n; ++k) {
      const double d = 360.0 * k / n;
      const double w = 360.0 / n / 2;
      teeth.moveTo(polar(c, d - w, 131.5));
      teeth.lineTo(polar(c, d + w, 131.5));
      teeth.lineTo(polar(c, d, 137.5));
      teeth.closeSubpath();
    }
    p.fillPath(teeth, QColor(0x6a4420));
    p.fillPath(teeth.translated(-0.3, -0.4), rgba(0x8a5c2c, 150));
  }
  // Bronze studs between the pits, outside and inside the ring.
  for (double d : gapDirections()) {
    for (double r : {131.0, 79.5}) {
      const QPointF at = polar(c, d, r);
      p.setPen(QPen(QColor(0x2a1404), 0.5));
      p.setBrush(bronze(at - QPointF(2, 2), at + QPointF(2, 2)));
      p.drawEllipse(at, 2.2, 2.2);
    }
  }
  unsigned seed = 1;
  for (QPointF at : pitCentres()) drawHollow(p, at, seed++);

  drawSun(p, c);

  // The dark slot the clock's white digits show in.
  {
    const QRectF slot(166, 246.5, 101, 21);
    QPainterPath path;
    path.addRoundedRect(slot, 5, 5);
    p.fillPath(path.translated(0.6, -0.6), QColor(255, 230, 200, 40));
    QLinearGradient g(slot.topLeft(), slot.bottomLeft());
    g.setColorAt(0.0, QColor(0x0a0604));
    g.setColorAt(1.0, QColor(0x1e140c));
    p.fillPath(path, g);
    p.strokePath(path, QPen(bronze(slot.topLeft(), slot.bottomRight()), 1.2));
  }
  p.restore();
}

// ----------------------------------------------------- corner marks ----

QPainterPath bone(QPointF a, QPointF b, double thick) {
  const QPointF d = b - a;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  QPainterPath shaft;
  shaft.moveTo(a + n * (thick / 2) + u * 3);
  shaft.lineTo(b + n * (thick / 2) - u * 3);
  shaft.lineTo(b - n * (thick / 2) - u * 3);
  shaft.lineTo(a - n * (thick / 2) + u * 3);
  shaft.closeSubpath();
  path.addPath(shaft);
  for (QPointF end : {a, b})
    for (double side : {-1.0, 1.0}) path.addEllipse(end + n * (side * thick * 0.5), thick * 0.62, thick * 0.62);
  return path.simplified();
}

void drawSkullMark(QPainter& p, QPointF c) {
  p.save();
  // A dark round stone with a bronze rim.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(c + QPointF(1.5, 2.5), 32, 32);
  p.setBrush(bronze(c - QPointF(32, 32), c + QPointF(32, 32)));
  p.drawEllipse(c, 32, 32);
  QRadialGradient g(c, 29, c + QPointF(-8, -10));
  g.setColorAt(0.0, QColor(0x4a3a2e));
  g.setColorAt(1.0, QColor(0x1c140e));
  p.setBrush(g);
  p.drawEllipse(c, 29.5, 29.5);

  QRadialGradient ivory(c + QPointF(-4, -8), 26);
  ivory.setColorAt(0.0, QColor(0xfffaea));
  ivory.setColorAt(0.6, QColor(0xdccfae));
  ivory.setColorAt(1.0, QColor(0x8a7a58));
  const QColor line(0x24160c);
  const QPainterPath bones =
      bone(c + QPointF(-19, -14), c + QPointF(19, 16), 4.6).united(bone(c + QPointF(19, -14), c + QPointF(-19, 16), 4.6));
  p.fillPath(bones, ivory);
  p.strokePath(bones, QPen(line, 0.8));

  QPainterPath skull;
  skull.setFillRule(Qt::WindingFill);
  skull.addEllipse(c + QPointF(0, -5), 13, 12.5);
  skull.addRoundedRect(QRectF(c.x() - 8, c.y() + 1, 16, 13), 4, 4);
  skull = skull.simplified();
  p.fillPath(skull, ivory);
  p.strokePath(skull, QPen(line, 0.9));
  p.setPen(Qt::NoPen);
  // Sockets with an ember in each: he is still watching.
  for (double dx : {-5.4, 5.4}) {
    const QPointF at = c + QPointF(dx, -2.5);
    p.setBrush(QColor(0x1a0c06));
    p.drawEllipse(at, 4.2, 4.6);
    QRadialGradient ember(at + QPointF(0, 0.6), 2.4);
    ember.setColorAt(0.0, QColor(0xffd060));
    ember.setColorAt(0.5, QColor(0xe03010));
    ember.setColorAt(1.0, rgba(0xe03010, 0));
    p.setBrush(ember);
    p.drawEllipse(at + QPointF(0, 0.6), 2.4, 2.4);
  }
  QPainterPath nose;
  nose.moveTo(c + QPointF(0, 2.8));
  nose.lineTo(c + QPointF(-2.2, 6.6));
  nose.lineTo(c + QPointF(2.2, 6.6));
  nose.closeSubpath();
  p.fillPath(nose, QColor(0x1a0c06));
  for (double dx = -6; dx <= 6; dx += 3) {
    QPainterPath gap;
    gap.moveTo(c + QPointF(dx, 9.5));
    gap.lineTo(c + QPointF(dx, 14));
    p.strokePath(gap, QPen(line, 0.8));
  }
  QPainterPath grin;
  grin.moveTo(c + QPointF(-7.5, 9.6));
  grin.quadTo(c + QPointF(0, 11), c + QPointF(7.5, 9.6));
  p.strokePath(grin, QPen(line, 0.8));
  p.restore();
}

void drawLogo(QPainter& p, QPointF c) {
  // The gunungan, the mountain-shaped leaf that opens every shadow play,
  // with the game's initial.
  p.save();
  QPainterPath leaf;
  leaf.moveTo(c + QPointF(0, -25));
  leaf.cubicTo(c + QPointF(5, -16), c + QPointF(19, -4), c + QPointF(18, 9));
  leaf.cubicTo(c + QPointF(17.5, 17), c + QPointF(10, 21), c + QPointF(0, 21));
  leaf.cubicTo(c + QPointF(-10, 21), c + QPointF(-17.5, 17), c + QPointF(-18, 9));
  leaf.cubicTo(c + QPointF(-19, -4), c + QPointF(-5, -16), c + QPointF(0, -25));
  leaf.closeSubpath();
  p.fillPath(leaf.translated(1.5, 2.5), QColor(0, 0, 0, 100));
  QLinearGradient g(c + QPointF(0, -25), c + QPointF(0, 21));
  g.setColorAt(0.0, QColor(0x8a1c10));
  g.setColorAt(1.0, QColor(0x3a0604));
  p.fillPath(leaf, g);
  // The tree of life inside: a trunk and curling branches.
  QPainterPath tree;
  tree.moveTo(c + QPointF(0, 14));
  tree.lineTo(c + QPointF(0, -18));
  for (double y : {-12.0, -5.0, 2.0}) {
    const double w = 6 + (y + 12) * 0.5;
    for (double s : {-1.0, 1.0}) {
      tree.moveTo(c + QPointF(0, y + 4));
      tree.quadTo(c + QPointF(s * w * 0.6, y + 3), c + QPointF(s * w, y - 1));
    }
  }
  p.strokePath(tree, QPen(rgba(0xc08a3a, 180), 0.8, Qt::SolidLine, Qt::RoundCap));
  const QPainterPath w =
      textPath(TextFace{true, true}, 15, QStringLiteral("W"), c + QPointF(0, 9));
  p.fillPath(w.translated(0.7, 1), QColor(0, 0, 0, 160));
  p.fillPath(w, bronze(c + QPointF(-6, 2), c + QPointF(6, 16)));
  p.strokePath(w, QPen(QColor(0x2a1404), 0.5));
  p.strokePath(leaf, QPen(bronze(c - QPointF(18, 25), c + QPointF(18, 21)), 1.8));
  p.restore();
}

// ------------------------------------------------------------- band ----

void drawBand(QPainter& p) {
  const QRectF band(0, kBandTop, 430, 407 - kBandTop);
  p.save();
  p.setClipRect(band);
  QLinearGradient g(band.topLeft(), band.bottomLeft());
  g.setColorAt(0.0, QColor(0x5a0c08));
  g.setColorAt(0.5, QColor(0x420806));
  g.setColorAt(1.0, QColor(0x300504));
  p.fillRect(band, g);
  // Parang: rows of slanted blades, kept dim so the white line stays clear.
  QPainterPath blades;
  for (double x = -20; x < 440; x += 9) {
    QPainterPath blade;
    blade.moveTo(x, 399);
    blade.cubicTo(x + 3, 396, x + 5, 390, x + 10, 386);
    blade.cubicTo(x + 9, 391, x + 7, 396, x + 2.5, 400);
    blade.closeSubpath();
    blades.addPath(blade);
  }
  p.fillPath(blades, rgba(0x7a1a10, 150));
  // Rows of teeth along the top and the bottom.
  QPainterPath teeth;
  for (double x = 0; x < 430; x += 8) {
    teeth.moveTo(x, kBandTop + 2);
    teeth.lineTo(x + 8, kBandTop + 2);
    teeth.lineTo(x + 4, kBandTop + 6.5);
    teeth.closeSubpath();
    teeth.moveTo(x, 403);
    teeth.lineTo(x + 8, 403);
    teeth.lineTo(x + 4, 399.5);
    teeth.closeSubpath();
  }
  p.fillPath(teeth, QColor(0xa8301c));
  p.fillRect(QRectF(0, kBandTop, 430, 1.6), bronze(QPointF(0, kBandTop), QPointF(430, kBandTop + 2)));
  p.fillRect(QRectF(0, 403, 430, 1.2), QColor(0xa8742e));
  p.restore();
}

}  // namespace

void drawBoard(QPainter& p) {
  drawFrame(p);
  drawPanel(p);
  drawTitle(p);
  drawDisk(p);
  drawPortrait(p, kLeftPortrait, false);
  drawPortrait(p, kRightPortrait, true);
  drawNamePlate(p, QRectF(27, 93.5, 57, 18));
  drawNamePlate(p, QRectF(347, 93.5, 57, 18));
  drawSkullMark(p, QPointF(54, 336));
  drawLogo(p, QPointF(377, 338));
  drawBand(p);
}

}  // namespace boardpics
