// board_kit.cpp: drawing tools shared by the board pictures.
#include "board_kit.h"

#include <QRadialGradient>
#include <QTransform>
#include <cmath>

namespace boardpics {

std::uint32_t Rng::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Rng::uniform(double lo, double hi) {
  return lo + (hi - lo) * (static_cast<double>(next()) / 4294967296.0);
}

QColor mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](double x, double y) { return x + (y - x) * t; };
  QColor c;
  c.setRgbF(static_cast<float>(lerp(a.redF(), b.redF())),
            static_cast<float>(lerp(a.greenF(), b.greenF())),
            static_cast<float>(lerp(a.blueF(), b.blueF())),
            static_cast<float>(lerp(a.alphaF(), b.alphaF())));
  return c;
}

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

void drawGrain(QPainter& p, const QRectF& area, Rng& rng, int count, const QColor& light,
               const QColor& dark, double minRadius, double maxRadius) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF at(rng.uniform(area.left(), area.right()), rng.uniform(area.top(), area.bottom()));
    const double r = rng.uniform(minRadius, maxRadius);
    QColor c = rng.chance(0.5) ? light : dark;
    c.setAlphaF(static_cast<float>(c.alphaF() * rng.uniform(0.35, 1.0)));
    QRadialGradient g(at, r);
    g.setColorAt(0.0, c);
    g.setColorAt(1.0, withAlpha(c, 0));
    p.setBrush(g);
    p.drawEllipse(at, r, r);
  }
  p.restore();
}

void growCracks(std::vector<Crack>& out, Rng& rng, QPointF start, double angle, double length,
                double width, int branchDepth) {
  Crack crack;
  crack.width = width;
  crack.points.push_back(start);
  QPointF at = start;
  double walked = 0.0;
  const double heading = angle;
  while (walked < length) {
    const double step = rng.uniform(1.2, 3.0);
    // Wander, but keep drifting back to the first heading so a crack runs
    // across the stone instead of curling up.
    angle += rng.uniform(-0.55, 0.55) + (heading - angle) * 0.25;
    at += QPointF(std::cos(angle) * step, std::sin(angle) * step);
    crack.points.push_back(at);
    walked += step;
    if (branchDepth > 0 && walked < length * 0.8 && rng.chance(0.10)) {
      const double turn = rng.chance(0.5) ? rng.uniform(0.5, 1.1) : -rng.uniform(0.5, 1.1);
      growCracks(out, rng, at, angle + turn, (length - walked) * rng.uniform(0.35, 0.7),
                 width * 0.7, branchDepth - 1);
    }
  }
  out.push_back(std::move(crack));
}

static void strokeCrack(QPainter& p, const Crack& crack, const QColor& colour, QPointF offset) {
  const std::size_t n = crack.points.size();
  for (std::size_t i = 1; i < n; ++i) {
    const double taper = 1.0 - 0.75 * static_cast<double>(i) / static_cast<double>(n);
    QPen pen(colour, crack.width * taper, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(crack.points[i - 1] + offset, crack.points[i] + offset);
  }
}

void drawCracks(QPainter& p, const std::vector<Crack>& cracks, const QColor& dark,
                const QColor& lip) {
  p.save();
  p.setBrush(Qt::NoBrush);
  for (const Crack& c : cracks) strokeCrack(p, c, lip, QPointF(0.45, 0.55));
  for (const Crack& c : cracks) strokeCrack(p, c, dark, QPointF(0, 0));
  p.restore();
}

static Fonts g_fonts;

void setFonts(const Fonts& fonts) { g_fonts = fonts; }

// Outlines are taken at a fixed large pixel size and scaled afterwards, so
// the text does not depend on any screen's resolution or on hinting.
constexpr int kOutlinePixels = 100;

QPainterPath textPath(const TextFace& face, double pixelSize, const QString& text, QPointF centre,
                      double letterSpacing) {
  const double scale = pixelSize / kOutlinePixels;
  QFont f(face.serif ? g_fonts.serif : g_fonts.sans);
  f.setPixelSize(kOutlinePixels);
  f.setBold(face.bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::NoFontMerging);
  if (letterSpacing != 0.0) f.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing / scale);
  QPainterPath path;
  path.addText(0, 0, f, text);
  path = QTransform::fromScale(scale, scale).map(path);
  const QRectF ink = path.boundingRect();
  path.translate(centre - ink.center());
  return path;
}

void addKawung(QPainterPath& path, QPointF centre, double size) {
  // Four ellipses whose long axes point along the diagonals.
  for (int k = 0; k < 4; ++k) {
    QPainterPath petal;
    petal.addEllipse(QPointF(size * 0.52, 0), size * 0.42, size * 0.27);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(45.0 + 90.0 * k);
    path.addPath(t.map(petal));
  }
}

}  // namespace boardpics
