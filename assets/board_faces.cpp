// board_faces.cpp: Dez's head, the two players' masks and the window icon.
#include "board_faces.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

#include "board_kit.h"

namespace boardpics {

namespace {

constexpr double kMid = 32.5;  // the faces are symmetric about this column

QPainterPath mirrored(const QPainterPath& path) {
  return QTransform(-1, 0, 0, 1, 2 * kMid, 0).map(path);
}

QPointF mirrored(QPointF at) { return QPointF(2 * kMid - at.x(), at.y()); }

QPointF bezier(QPointF a, QPointF b, QPointF c, QPointF d, double t) {
  const double u = 1.0 - t;
  return a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
}

// The y of a cubic curve running left to right, at a given x.
double curveY(QPointF a, QPointF b, QPointF c, QPointF d, double x) {
  double lo = 0.0, hi = 1.0;
  for (int i = 0; i < 40; ++i) {
    const double mid = (lo + hi) / 2;
    (bezier(a, b, c, d, mid).x() < x ? lo : hi) = mid;
  }
  return bezier(a, b, c, d, lo).y();
}

// A tooth hanging from (or standing on) a lip: a curved triangle.
QPainterPath tooth(QPointF left, QPointF right, QPointF tip) {
  QPainterPath t;
  t.moveTo(left);
  t.quadTo(QPointF(left.x() + 0.2 * (tip.x() - left.x()), tip.y() * 0.6 + left.y() * 0.4), tip);
  t.quadTo(QPointF(right.x() + 0.2 * (tip.x() - right.x()), tip.y() * 0.6 + right.y() * 0.4),
           right);
  t.closeSubpath();
  return t;
}

void fillAndStroke(QPainter& p, const QPainterPath& path, const QBrush& brush, const QColor& line,
                   double width) {
  p.fillPath(path, brush);
  p.strokePath(path, QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// ---------------------------------------------------------------- Dez ----

const QColor kDezLine(0x2a0303);

QPainterPath dezHorn() {
  QPainterPath horn;
  horn.moveTo(13.5, 25);
  horn.cubicTo(3, 18, 2.5, 6, 7.5, 0.8);
  horn.cubicTo(10.5, 7, 18, 11, 25, 14.5);
  horn.cubicTo(21, 17, 17, 20, 13.5, 25);
  horn.closeSubpath();
  return horn;
}

void drawDezHorn(QPainter& p, bool right, double line, bool rings) {
  QPainterPath horn = dezHorn();
  QTransform flip;
  if (right) flip = QTransform(-1, 0, 0, 1, 2 * kMid, 0);
  QLinearGradient g(flip.map(QPointF(18, 21)), flip.map(QPointF(6.5, 1.5)));
  g.setColorAt(0.0, QColor(0xf4e6c2));
  g.setColorAt(0.55, QColor(0xbf9c68));
  g.setColorAt(1.0, QColor(0x3a2212));
  fillAndStroke(p, flip.map(horn), g, kDezLine, 1.0 * line);
  if (!rings) return;
  // Growth rings across the horn.
  p.save();
  p.setClipPath(flip.map(horn));
  const QPointF oa(13.5, 25), ob(3, 18), oc(2.5, 6), od(7.5, 0.8);
  const QPointF ia(25, 14.5), ib(18, 11), ic(10.5, 7), id(7.5, 0.8);
  for (double t : {0.18, 0.34, 0.5, 0.64, 0.77}) {
    const QPointF o = bezier(oa, ob, oc, od, t);
    const QPointF i = bezier(ia, ib, ic, id, t);
    QPainterPath ring;
    ring.moveTo(o);
    ring.quadTo((o + i) / 2 + QPointF(0.8, 1.6), i);
    p.strokePath(flip.map(ring), QPen(rgba(0x4a2c14, 150), 0.8 * line));
    p.strokePath(flip.map(ring).translated(0.3, 0.7), QPen(QColor(255, 245, 220, 70), 0.5 * line));
  }
  p.restore();
}

QPainterPath dezEar() {
  QPainterPath ear;
  ear.moveTo(10.8, 31);
  ear.cubicTo(6, 29, 3, 25, 1.2, 19);
  ear.cubicTo(2.5, 30, 5, 41, 11.2, 47.5);
  ear.closeSubpath();
  return ear;
}

QRadialGradient dezSkin(double scale = 1.0) {
  QRadialGradient g(QPointF(30, 40), 38 * scale, QPointF(25, 30));
  g.setColorAt(0.0, QColor(0xff7050));
  g.setColorAt(0.3, QColor(0xe5301e));
  g.setColorAt(0.72, QColor(0xa41410));
  g.setColorAt(1.0, QColor(0x5a0505));
  return g;
}

// `size` enlarges the eye about its centre, for the small icon.
void drawDezEye(QPainter& p, bool right, double line, double size) {
  QPainterPath eye;
  eye.moveTo(13.8, 35.2);
  eye.cubicTo(19, 34.8, 25, 37.5, 28.8, 41.2);
  eye.cubicTo(24, 44.2, 17, 43.6, 13.8, 35.2);
  eye.closeSubpath();
  QPointF centre(21.5, 39.4);
  if (right) {
    eye = mirrored(eye);
    centre = mirrored(centre);
  }
  QTransform grow;
  grow.translate(centre.x(), centre.y());
  grow.scale(size, size);
  grow.translate(-centre.x(), -centre.y());
  eye = grow.map(eye);
  // The glow the eye throws on the skin around it.
  QRadialGradient glow(centre, 10);
  glow.setColorAt(0.0, QColor(255, 210, 60, 150));
  glow.setColorAt(1.0, QColor(255, 140, 20, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 10, 10);

  QRadialGradient white(centre, 8);
  white.setColorAt(0.0, QColor(0xfffbc0));
  white.setColorAt(0.45, QColor(0xffd23a));
  white.setColorAt(1.0, QColor(0xe86a08));
  fillAndStroke(p, eye, white, kDezLine, 1.0 * line);
  p.save();
  p.setClipPath(eye);
  const QPointF pupil = centre + QPointF(right ? -0.6 : 0.6, 0.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x140000));
  p.drawEllipse(pupil, 1.3 * line, 3.4 * size);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawEllipse(pupil + QPointF(-1.7, -1.4), 0.75, 0.75);
  p.restore();
}

void drawDezBrow(QPainter& p, bool right) {
  QPainterPath brow;
  brow.moveTo(10.5, 28.2);
  brow.cubicTo(18, 27.6, 25.5, 30.5, 31.2, 37.2);
  brow.lineTo(29.4, 39.6);
  brow.cubicTo(24.5, 35.2, 18, 32.8, 12, 32.4);
  brow.closeSubpath();
  if (right) brow = mirrored(brow);
  QLinearGradient g(QPointF(0, 28), QPointF(0, 39));
  g.setColorAt(0.0, QColor(0x5a0808));
  g.setColorAt(1.0, QColor(0x1a0202));
  fillAndStroke(p, brow, g, kDezLine, 0.5);
}

void drawDezMouth(QPainter& p, double line, bool bold) {
  const QPointF a(13.5, 53.5), b(20, 58.8), c(45, 58.8), d(51.5, 53.5);
  auto lipY = [&](double x) { return curveY(a, b, c, d, x); };
  QPainterPath mouth;
  mouth.moveTo(a);
  mouth.cubicTo(b, c, d);
  mouth.cubicTo(QPointF(48, 64.5), QPointF(40, 71), QPointF(kMid, 71));
  mouth.cubicTo(QPointF(25, 71), QPointF(17, 64.5), a);
  mouth.closeSubpath();

  QRadialGradient inside(QPointF(kMid, 64), 18);
  inside.setColorAt(0.0, QColor(0x5a0612));
  inside.setColorAt(1.0, QColor(0x1c0104));
  p.fillPath(mouth, inside);

  p.save();
  p.setClipPath(mouth);
  p.setPen(Qt::NoPen);
  QRadialGradient tongue(QPointF(kMid - 1.5, 67.5), 8.5);
  tongue.setColorAt(0.0, QColor(0xe25a78));
  tongue.setColorAt(1.0, QColor(0x8a1430));
  p.setBrush(tongue);
  p.drawEllipse(QPointF(kMid, 69.5), 8.5, 4.2);

  QLinearGradient enamel(QPointF(0, 55), QPointF(0, 66));
  enamel.setColorAt(0.0, QColor(0xffffff));
  enamel.setColorAt(1.0, QColor(0xd6c8b0));
  const QPen toothLine(QColor(0x3a0808), 0.45 * line);
  // Lower fangs first, so the upper ones bite over them.
  for (double x : {25.0, 40.0}) {
    const QPainterPath t = tooth(QPointF(x - 2.2, 72), QPointF(x + 2.2, 72), QPointF(x, 64.2));
    p.fillPath(t, enamel);
    p.strokePath(t, toothLine);
  }
  struct Tooth {
    double x, half, length;
  };
  const Tooth upper[] = {{17.5, 1.8, 2.6}, {22.2, 2.7, 9.0}, {27.4, 2.2, 3.6}, {kMid, 2.3, 3.8},
                         {37.6, 2.2, 3.6}, {42.8, 2.7, 9.0}, {47.5, 1.8, 2.6}};
  for (const Tooth& t : upper) {
    const QPointF l(t.x - t.half, lipY(t.x - t.half) - 1.0);
    const QPointF r(t.x + t.half, lipY(t.x + t.half) - 1.0);
    const QPainterPath path = tooth(l, r, QPointF(t.x, lipY(t.x) + t.length));
    p.fillPath(path, enamel);
    p.strokePath(path, toothLine);
  }
  p.restore();
  p.strokePath(mouth, QPen(kDezLine, 1.1 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  // The creases at the corners of the grin.
  for (bool right : {false, true}) {
    if (bold) break;
    QPainterPath crease;
    crease.moveTo(11.2, 50.5);
    crease.quadTo(12.4, 54.5, 15.6, 56.8);
    if (right) crease = mirrored(crease);
    p.strokePath(crease, QPen(rgba(0x3a0404, 200), 0.9 * line, Qt::SolidLine, Qt::RoundCap));
  }
}

// `line` thickens every outline; `bold` leaves out the fine detail and
// enlarges the eyes, for the icon.
void drawDezHead(QPainter& p, double line, bool bold) {
  p.save();
  // Ears and horns sit behind the head.
  for (bool right : {false, true}) {
    QPainterPath ear = right ? mirrored(dezEar()) : dezEar();
    fillAndStroke(p, ear, dezSkin(), kDezLine, 1.0 * line);
    QPainterPath inner;
    inner.moveTo(9.5, 33);
    inner.cubicTo(6.5, 31, 4.5, 28, 3.2, 24.5);
    inner.cubicTo(4.8, 32, 6.5, 38, 10, 43);
    if (right) inner = mirrored(inner);
    p.fillPath(inner, QColor(0x6a0808));
    drawDezHorn(p, right, line, !bold);
  }

  const QPainterPath head = dezHeadOutline();
  p.fillPath(head, dezSkin());
  p.setClipPath(head);
  if (!bold) {
    Rng rng(0xde2u);
    drawGrain(p, head.boundingRect(), rng, 90, QColor(255, 170, 140, 40), QColor(60, 0, 0, 45),
              0.8, 3.5);
  }
  // The widow's peak: the forehead darkens down to a point between the brows.
  {
    QPainterPath peak;
    peak.moveTo(18, 10);
    peak.quadTo(26, 16, kMid, 27);
    peak.quadTo(39, 16, 47, 10);
    peak.closeSubpath();
    QLinearGradient g(QPointF(0, 10), QPointF(0, 27));
    g.setColorAt(0.0, QColor(60, 0, 0, 190));
    g.setColorAt(1.0, QColor(60, 0, 0, 0));
    p.fillPath(peak, g);
  }
  // Cheekbones catch the light.
  p.setPen(Qt::NoPen);
  for (QPointF at : {QPointF(17.5, 47), mirrored(QPointF(17.5, 47))}) {
    QRadialGradient g(at, 6);
    g.setColorAt(0.0, QColor(255, 140, 110, 110));
    g.setColorAt(1.0, QColor(255, 140, 110, 0));
    p.setBrush(g);
    p.drawEllipse(at, 6, 6);
  }
  // Shade under the jaw.
  {
    QRadialGradient g(QPointF(kMid, 40), 44);
    g.setColorAt(0.75, QColor(40, 0, 0, 0));
    g.setColorAt(1.0, QColor(40, 0, 0, 150));
    p.fillPath(head, g);
  }
  p.setClipping(false);
  p.strokePath(head, QPen(kDezLine, 1.25 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // The frown between the brows.
  for (double dx : {-1.6, 1.6}) {
    if (bold) break;
    QPainterPath furrow;
    furrow.moveTo(kMid + dx * 1.6, 29);
    furrow.quadTo(kMid + dx * 0.6, 32, kMid + dx, 35.5);
    p.strokePath(furrow, QPen(rgba(0x4a0404, 200), 0.8 * line, Qt::SolidLine, Qt::RoundCap));
  }
  drawDezEye(p, false, line, bold ? 1.3 : 1.0);
  drawDezEye(p, true, line, bold ? 1.3 : 1.0);
  drawDezBrow(p, false);
  drawDezBrow(p, true);

  // The nose: a ridge of light and two flared nostrils.
  {
    QPainterPath ridge;
    ridge.moveTo(kMid, 40.5);
    ridge.quadTo(kMid + 0.8, 45, kMid, 48);
    p.strokePath(ridge, QPen(QColor(255, 160, 130, 120), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x300202));
    for (bool right : {false, true}) {
      p.save();
      const QPointF at = right ? mirrored(QPointF(29.4, 50.4)) : QPointF(29.4, 50.4);
      p.translate(at);
      p.rotate(right ? -28 : 28);
      p.drawEllipse(QPointF(0, 0), 1.8, 1.0);
      p.restore();
    }
  }
  drawDezMouth(p, line, bold);

  // The goatee.
  {
    QPainterPath beard;
    beard.moveTo(28.4, 74.6);
    beard.quadTo(kMid, 77.6, 36.6, 74.6);
    beard.quadTo(35.2, 78.6, kMid + 0.3, 81.6);
    beard.quadTo(29.8, 78.4, 28.4, 74.6);
    beard.closeSubpath();
    fillAndStroke(p, beard, QColor(0x2a0404), kDezLine, 0.5);
  }
  p.restore();
}

// ------------------------------------------------------------ masks ----

const QColor kGoldLight(0xffe8a0);
const QColor kGold(0xd09a3a);
const QColor kGoldDark(0x6a4410);

QLinearGradient goldGradient(QPointF from, QPointF to) {
  QLinearGradient g(from, to);
  g.setColorAt(0.0, kGoldLight);
  g.setColorAt(0.5, kGold);
  g.setColorAt(1.0, kGoldDark);
  return g;
}

QPainterPath ovalFace(double top, double width, double bottom, double widest) {
  QPainterPath face;
  face.moveTo(kMid, top);
  face.cubicTo(kMid + width * 0.7, top, kMid + width, widest - 12, kMid + width, widest);
  face.cubicTo(kMid + width, widest + 14, kMid + width * 0.55, bottom, kMid, bottom);
  face.cubicTo(kMid - width * 0.55, bottom, kMid - width, widest + 14, kMid - width, widest);
  face.cubicTo(kMid - width, widest - 12, kMid - width * 0.7, top, kMid, top);
  face.closeSubpath();
  return face;
}

}  // namespace

QPainterPath dezHeadOutline() {
  QPainterPath head;
  head.moveTo(kMid, 11);
  head.cubicTo(kMid + 14, 11, kMid + 24, 20, kMid + 24, 36);
  head.cubicTo(kMid + 24, 48, kMid + 20, 58, kMid + 13, 67);
  head.cubicTo(kMid + 8, 73, kMid + 4, 78, kMid, 80);
  head.cubicTo(kMid - 4, 78, kMid - 8, 73, kMid - 13, 67);
  head.cubicTo(kMid - 20, 58, kMid - 24, 48, kMid - 24, 36);
  head.cubicTo(kMid - 24, 20, kMid - 14, 11, kMid, 11);
  head.closeSubpath();
  return head;
}

void drawDez(QPainter& p) { drawDezHead(p, 1.0, false); }

void drawIconFace(QPainter& p) {
  // Close up: the head from the brow of the horns to the chin fills the
  // icon; its lines are drawn heavier so they survive the small size.
  p.save();
  const QRectF crop(1.0, 6.0, 63.0, 70.0);
  const double scale = 32.0 / crop.height();
  p.translate(16.0 - crop.center().x() * scale, 0.0 - crop.top() * scale);
  p.scale(scale, scale);
  drawDezHead(p, 1.9, true);
  p.restore();
}

std::array<QRgb, 15> iconPalette() {
  // Outline, five reds from shadow to light, the horn's three tones, the
  // eyes' yellow and orange, white and ivory teeth, the mouth and a brown
  // for the shaded side of the horns.
  return {qRgb(0x2a, 0x03, 0x03), qRgb(0x5a, 0x05, 0x05), qRgb(0x7e, 0x0c, 0x0a),
          qRgb(0xa8, 0x16, 0x10), qRgb(0xe0, 0x30, 0x1e), qRgb(0xff, 0x70, 0x50),
          qRgb(0x3a, 0x22, 0x12), qRgb(0xb8, 0x96, 0x62), qRgb(0xf4, 0xe6, 0xc2),
          qRgb(0xff, 0xd2, 0x3a), qRgb(0xe8, 0x6a, 0x08), qRgb(0xff, 0xff, 0xff),
          qRgb(0xd6, 0xc8, 0xb0), qRgb(0x3a, 0x04, 0x10), qRgb(0x7a, 0x58, 0x36)};
}

void drawPlayerOneMask(QPainter& p) {
  // A refined hero's mask: white face, downcast eyes, a gold diadem.
  p.save();
  // Hair, behind the face.
  {
    QPainterPath hair;
    hair.moveTo(10, 52);
    hair.cubicTo(8, 30, 18, 15, kMid, 15);
    hair.cubicTo(47, 15, 57, 30, 55, 52);
    hair.cubicTo(51, 46, 50, 40, 49, 36);
    hair.lineTo(16, 36);
    hair.cubicTo(15, 40, 14, 46, 10, 52);
    hair.closeSubpath();
    QLinearGradient g(QPointF(0, 15), QPointF(0, 52));
    g.setColorAt(0.0, QColor(0x3a3028));
    g.setColorAt(1.0, QColor(0x0e0a08));
    fillAndStroke(p, hair, g, QColor(0x050302), 0.6);
  }
  const QPainterPath face = ovalFace(19, 18.5, 73, 44);
  {
    QRadialGradient g(QPointF(kMid, 44), 30, QPointF(kMid - 5, 38));
    g.setColorAt(0.0, QColor(0xfffbf0));
    g.setColorAt(0.6, QColor(0xeee2c8));
    g.setColorAt(1.0, QColor(0xa89474));
    fillAndStroke(p, face, g, QColor(0x4a3a28), 0.9);
  }
  p.save();
  p.setClipPath(face);
  Rng rng(0x9a71u);
  drawGrain(p, face.boundingRect(), rng, 60, QColor(255, 255, 255, 50), QColor(90, 70, 40, 30), 0.8,
            3.0);
  p.restore();
  // Eyes: narrow and downcast, under thin high brows.
  for (bool right : {false, true}) {
    QPainterPath brow;
    brow.moveTo(19.5, 38);
    brow.quadTo(24.5, 33.6, 30.2, 37);
    QPainterPath eye;
    eye.moveTo(20, 42.6);
    eye.quadTo(25.2, 39.4, 30.4, 42.6);
    eye.quadTo(25.2, 44.4, 20, 42.6);
    eye.closeSubpath();
    if (right) {
      brow = mirrored(brow);
      eye = mirrored(eye);
    }
    p.strokePath(brow, QPen(QColor(0x1a1208), 1.2, Qt::SolidLine, Qt::RoundCap));
    fillAndStroke(p, eye, QColor(0x1a120a), QColor(0x1a120a), 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse((right ? mirrored(QPointF(24.2, 42.2)) : QPointF(24.2, 42.2)), 0.6, 0.6);
  }
  // A long thin nose and a small sly mouth under a curled moustache.
  {
    QPainterPath nose;
    nose.moveTo(kMid - 0.5, 41);
    nose.cubicTo(kMid - 1.0, 46, kMid - 2.4, 50, kMid - 1.2, 52.6);
    nose.quadTo(kMid, 53.4, kMid + 1.6, 52.4);
    p.strokePath(nose, QPen(QColor(0x8a7050), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (bool right : {false, true}) {
      QPainterPath tache;
      tache.moveTo(kMid - 0.5, 56);
      tache.cubicTo(kMid - 4, 55.4, kMid - 7, 56.6, kMid - 9.2, 55.8);
      tache.quadTo(kMid - 10.6, 55.2, kMid - 10.2, 53.8);
      if (right) tache = mirrored(tache);
      p.strokePath(tache, QPen(QColor(0x1a1208), 1.0, Qt::SolidLine, Qt::RoundCap));
    }
    QPainterPath lips;
    lips.moveTo(kMid - 5, 58.6);
    lips.quadTo(kMid, 59.6, kMid + 5, 58.6);
    lips.quadTo(kMid + 0.5, 62.8, kMid - 5, 58.6);
    lips.closeSubpath();
    fillAndStroke(p, lips, QColor(0xb0221a), QColor(0x5a0e08), 0.5);
  }
  // The diadem: a gold band with a pointed crest.
  {
    QPainterPath band;
    band.moveTo(13.5, 33);
    band.cubicTo(16, 22, 24, 19, kMid, 19);
    band.cubicTo(41, 19, 49, 22, 51.5, 33);
    band.lineTo(48.5, 33.5);
    band.cubicTo(46, 26, 40, 24.5, kMid, 24.5);
    band.cubicTo(25, 24.5, 19, 26, 16.5, 33.5);
    band.closeSubpath();
    fillAndStroke(p, band, goldGradient(QPointF(0, 18), QPointF(0, 34)), QColor(0x3a2408), 0.7);
    QPainterPath crest;
    crest.moveTo(kMid, 4.5);
    crest.cubicTo(kMid + 4, 10, kMid + 7, 14, kMid + 6.5, 19);
    crest.quadTo(kMid + 3, 22.5, kMid, 23.5);
    crest.quadTo(kMid - 3, 22.5, kMid - 6.5, 19);
    crest.cubicTo(kMid - 7, 14, kMid - 4, 10, kMid, 4.5);
    crest.closeSubpath();
    fillAndStroke(p, crest, goldGradient(QPointF(kMid - 5, 5), QPointF(kMid + 6, 22)),
                  QColor(0x3a2408), 0.7);
    p.setPen(Qt::NoPen);
    QRadialGradient gem(QPointF(kMid - 0.6, 15.6), 2.6);
    gem.setColorAt(0.0, QColor(0xff8a70));
    gem.setColorAt(1.0, QColor(0x8a0a08));
    p.setBrush(gem);
    p.drawEllipse(QPointF(kMid, 16.2), 2.2, 2.6);
    for (double x : {20.0, 26.0, 39.0, 45.0}) {
      const double y = x < kMid ? 28.8 - (x - 13.5) * 0.28 : 28.8 - (51.5 - x) * 0.28;
      p.setBrush(QColor(0x8a0a08));
      p.drawEllipse(QPointF(x, y), 1.0, 1.0);
    }
  }
  // Gold studs for earrings.
  for (QPointF at : {QPointF(13.2, 49), mirrored(QPointF(13.2, 49))}) {
    p.setPen(QPen(QColor(0x3a2408), 0.5));
    p.setBrush(goldGradient(at - QPointF(2, 2), at + QPointF(2, 2)));
    p.drawEllipse(at, 2.0, 2.4);
  }
  p.restore();
}

void drawPlayerTwoMask(QPainter& p) {
  // A clown's mask: ochre face, bulging eyes, a big red nose and a curled
  // moustache. It is trimmed to lie inside Dez's head at both places of his
  // dance, a little inside his outline so no fringe of it shows.
  p.save();
  const QPainterPath head = dezHeadOutline();
  QTransform shrink;
  shrink.translate(kMid, 46);
  shrink.scale(0.94, 0.95);
  shrink.translate(-kMid, -46);
  const QPainterPath inside = shrink.map(head).intersected(shrink.map(head).translated(0, 3.0));
  const QPainterPath face = ovalFace(17, 21, 76, 44).intersected(inside);
  {
    QRadialGradient g(QPointF(kMid, 44), 32, QPointF(kMid - 6, 36));
    g.setColorAt(0.0, QColor(0xf8cf78));
    g.setColorAt(0.55, QColor(0xd8923a));
    g.setColorAt(1.0, QColor(0x7a4512));
    fillAndStroke(p, face, g, QColor(0x3a1e06), 0.9);
  }
  p.setClipPath(face);
  Rng rng(0xb0b0u);
  drawGrain(p, face.boundingRect(), rng, 60, QColor(255, 240, 200, 50), QColor(90, 40, 0, 40), 0.8,
            3.0);
  // A red headband with gold studs.
  {
    QPainterPath band;
    band.moveTo(0, 27);
    band.quadTo(kMid, 17, 65, 27);
    band.lineTo(65, 32);
    band.quadTo(kMid, 22.5, 0, 32);
    band.closeSubpath();
    fillAndStroke(p, band, QColor(0x9a1a10), QColor(0x3a0604), 0.6);
    p.setPen(Qt::NoPen);
    for (double x : {18.0, 25.0, kMid, 40.0, 47.0}) {
      const double y = 27.0 - 8.0 * (1.0 - std::pow((x - kMid) / kMid, 2)) * 0.68 + 2.3;
      p.setBrush(goldGradient(QPointF(x - 1, y - 1), QPointF(x + 1, y + 1)));
      p.drawEllipse(QPointF(x, y), 1.1, 1.1);
    }
  }
  // Cheeks.
  p.setPen(Qt::NoPen);
  for (QPointF at : {QPointF(18.5, 53), mirrored(QPointF(18.5, 53))}) {
    QRadialGradient g(at, 5.5);
    g.setColorAt(0.0, QColor(230, 70, 40, 130));
    g.setColorAt(1.0, QColor(230, 70, 40, 0));
    p.setBrush(g);
    p.drawEllipse(at, 5.5, 5.5);
  }
  // Bulging eyes that glance towards the ring.
  for (bool right : {false, true}) {
    const QPointF at = right ? mirrored(QPointF(24.3, 40.5)) : QPointF(24.3, 40.5);
    QRadialGradient white(at + QPointF(-1.2, -1.4), 6);
    white.setColorAt(0.0, QColor(0xffffff));
    white.setColorAt(1.0, QColor(0xcfc6b4));
    p.setPen(QPen(QColor(0x1a0c02), 1.0));
    p.setBrush(white);
    p.drawEllipse(at, 5.0, 5.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x120800));
    p.drawEllipse(at + QPointF(-1.9, 0.9), 2.3, 2.5);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(at + QPointF(-2.6, 0.0), 0.7, 0.7);
    QPainterPath brow;
    brow.moveTo(at + QPointF(-5.5, -5.4));
    brow.quadTo(at + QPointF(0, -10.5), at + QPointF(5.6, -6.2));
    p.strokePath(brow, QPen(QColor(0x140a02), 2.2, Qt::SolidLine, Qt::RoundCap));
  }
  // The moustache, curled up at both ends, and a grin under it.
  {
    QPainterPath mouth;
    mouth.moveTo(23.5, 61);
    mouth.quadTo(kMid, 63, 41.5, 61);
    mouth.quadTo(kMid, 71.5, 23.5, 61);
    mouth.closeSubpath();
    fillAndStroke(p, mouth, QColor(0x3a0a06), QColor(0x1a0602), 0.7);
    p.save();
    p.setClipPath(mouth);
    p.fillRect(QRectF(20, 58, 25, 5.6), QColor(0xf4ecd8));
    for (double x : {28.0, kMid, 37.0})
      p.fillRect(QRectF(x - 0.25, 58, 0.5, 5.6), QColor(0x8a7a60));
    p.restore();
    for (bool right : {false, true}) {
      QPainterPath tache;
      tache.moveTo(kMid, 55.2);
      tache.cubicTo(kMid - 5, 54, kMid - 11, 56, kMid - 14, 59);
      tache.cubicTo(kMid - 16.5, 60.5, kMid - 19, 58.5, kMid - 17.8, 55.8);
      tache.cubicTo(kMid - 17.5, 57.6, kMid - 15.8, 57.8, kMid - 14.5, 56.4);
      tache.cubicTo(kMid - 10, 51.4, kMid - 5, 51.6, kMid, 53.0);
      tache.closeSubpath();
      if (right) tache = mirrored(tache);
      fillAndStroke(p, tache, QColor(0x140a04), QColor(0x140a04), 0.4);
    }
  }
  // The nose.
  {
    const QPointF at(kMid, 49.5);
    QRadialGradient g(at + QPointF(-1.6, -1.8), 6.5);
    g.setColorAt(0.0, QColor(0xff9a7a));
    g.setColorAt(0.5, QColor(0xd8321e));
    g.setColorAt(1.0, QColor(0x7a0c06));
    p.setPen(QPen(QColor(0x3a0602), 0.7));
    p.setBrush(g);
    p.drawEllipse(at, 5.2, 4.4);
  }
  p.setClipping(false);
  p.restore();
}

}  // namespace boardpics
