// side_art.h: fonts and the drawn figures (faces, monster masks, lettering) shared by the side pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace side {

// The pictures must come out byte for byte the same on every build, so
// they use only the DejaVu files loaded here, never whatever the system
// would pick. False (with the file named on stderr) when one is missing.
bool loadFonts();
QFont sans(qreal px, bool bold = false);
QFont serif(qreal px, bool bold = false);

// Small deterministic noise for texture: the same value for the same index
// on every run and at every scale.
qreal noise(int index);

enum class Hair { Long, Bun, Short, Bald, Wavy };
enum class Headwear { None, Peci, Blangkon, Hijab, Flower };
enum class Expression { Smile, Calm, Fright, Grin };

struct Face {
  QColor skin{222, 170, 128};
  QColor hair{28, 20, 18};
  Hair hairStyle = Hair::Long;
  Headwear headwear = Headwear::None;
  QColor headwearColour{40, 30, 30};
  QColor clothes{150, 40, 50};
  QColor trim{240, 225, 200};
  Expression expression = Expression::Smile;
  bool glasses = false;
  bool moustache = false;
  bool lashes = false;
  bool earrings = false;
  qreal look = 0;  // where the eyes look, -1 (left) to 1 (right)
};

// A head and shoulders: the head's centre at `centre`, `size` pixels being
// about one and a half heads high. Shoulders reach about 0.95 size below.
void drawFace(QPainter& p, QPointF centre, qreal size, const Face& f);

struct Mask {
  QColor face{190, 30, 25};
  QColor mane{25, 18, 15};
  QColor gold{222, 170, 60};
  QColor eyes{250, 246, 230};
  bool crown = true;
  bool horns = false;
  bool tusks = true;
  qreal tongue = 0;  // length of a hanging tongue below the mouth, 0 for none
  int maneSeed = 0;  // varies the locks of the mane from mask to mask
};

// A barong-like monster head about `size` pixels wide (mane included),
// centred on `centre`.
void drawMask(QPainter& p, QPointF centre, qreal size, const Mask& m);

// Lettering in a flowing hand: a bold serif leaned far over, as a path with
// its baseline starting at the origin.
QPainterPath scriptText(const QString& text, qreal px);

// A calligraphic stroke along a cubic curve, thickest in its middle.
QPainterPath swash(QPointF from, QPointF c1, QPointF c2, QPointF to, qreal width);

// A four-pointed sparkle, the ornament between lettered phrases.
QPainterPath sparkle(QPointF centre, qreal radius);

// A gold fill for frames, lit from the upper left.
QBrush goldBrush(const QRectF& over);
// A gold fill for lettering, lit from above, so a long line keeps one tone.
QBrush goldLettering(const QRectF& over);

}  // namespace side
