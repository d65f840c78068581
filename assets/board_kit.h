// board_kit.h: drawing tools shared by the board pictures: a seeded random source, colour mixing, stone grain, cracks and carved text.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

namespace boardpics {

// xorshift32 with a fixed seed: every run draws the same grain and cracks,
// which std's distributions would not promise across library versions.
class Rng {
public:
  explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  std::uint32_t next();
  double uniform(double lo, double hi);
  bool chance(double p) { return uniform(0.0, 1.0) < p; }

private:
  std::uint32_t state_;
};

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, int alpha);
// A colour given as 0xRRGGBB with an alpha.
inline QColor rgba(unsigned rgb, int alpha) { return QColor((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff, alpha); }

// Soft blotches of a lighter and a darker tone: the grain of a stone face.
// The painter's clip decides where they land.
void drawGrain(QPainter& p, const QRectF& area, Rng& rng, int count, const QColor& light,
               const QColor& dark, double minRadius, double maxRadius);

// One crack is a wandering polyline that narrows towards its end; branches
// are cracks of their own.
struct Crack {
  std::vector<QPointF> points;
  double width = 1.0;
};
void growCracks(std::vector<Crack>& out, Rng& rng, QPointF start, double angle, double length,
                double width, int branchDepth);
// Each crack is drawn as a dark groove with a lit lower lip, as if cut into
// a surface lit from the top left.
void drawCracks(QPainter& p, const std::vector<Crack>& cracks, const QColor& dark,
                const QColor& lip);

// The families of the fonts loaded from files at start-up.
struct Fonts {
  QString serif;
  QString sans;
};
void setFonts(const Fonts& fonts);

struct TextFace {
  bool serif = true;
  bool bold = true;
};

// The outline of a text, centred on a point by its ink.
QPainterPath textPath(const TextFace& face, double pixelSize, const QString& text, QPointF centre,
                      double letterSpacing = 0.0);

// A regular four-petal kawung flower, the oldest of the batik motifs.
void addKawung(QPainterPath& path, QPointF centre, double size);

}  // namespace boardpics
