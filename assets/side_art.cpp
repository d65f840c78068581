// side_art.cpp: fonts and the drawn figures (faces, monster masks, lettering) shared by the side pictures.
#include "side_art.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace side {

namespace {

QString sansFamily;
QString serifFamily;

QString load(const char* file) {
  const QString path = QString("/usr/share/fonts/truetype/dejavu/") + file;
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) {
    std::fprintf(stderr, "make_side_pictures: cannot load the font %s\n", qPrintable(path));
    return {};
  }
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

QFont makeFont(const QString& family, qreal px, bool bold) {
  // Pixel sizes, not points: the painter's scale alone makes the 2x picture.
  QFont f(family);
  f.setPixelSize(int(std::lround(px)));
  f.setWeight(bold ? QFont::Bold : QFont::Normal);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QColor shade(const QColor& c, int factor) {
  return factor >= 100 ? c.lighter(factor) : c.darker(10000 / factor);
}

// The path of an eye's opening: an almond between the corners.
QPainterPath almond(qreal cx, qreal cy, qreal w, qreal h) {
  QPainterPath e;
  e.moveTo(cx - w, cy);
  e.cubicTo(cx - w * 0.5, cy - h, cx + w * 0.5, cy - h, cx + w, cy - h * 0.15);
  e.cubicTo(cx + w * 0.5, cy + h * 0.8, cx - w * 0.5, cy + h * 0.8, cx - w, cy);
  e.closeSubpath();
  return e;
}

void frangipani(QPainter& p, QPointF at, qreal r) {
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(at);
    p.rotate(i * 72.0 + 10);
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(r * 0.9, -r * 0.25, r * 1.15, r * 0.45, r * 0.55, r * 0.55);
    petal.cubicTo(r * 0.3, r * 0.55, r * 0.1, r * 0.3, 0, 0);
    QLinearGradient g(0, 0, r, r * 0.3);
    g.setColorAt(0, QColor(250, 205, 70));
    g.setColorAt(0.45, QColor(255, 250, 240));
    g.setColorAt(1, QColor(245, 238, 228));
    p.setBrush(g);
    p.setPen(QPen(QColor(190, 170, 150), r * 0.05));
    p.drawPath(petal);
    p.restore();
  }
}

}  // namespace

bool loadFonts() {
  sansFamily = load("DejaVuSans.ttf");
  const bool sansBold = !load("DejaVuSans-Bold.ttf").isEmpty();
  serifFamily = load("DejaVuSerif.ttf");
  const bool serifBold = !load("DejaVuSerif-Bold.ttf").isEmpty();
  return !sansFamily.isEmpty() && !serifFamily.isEmpty() && sansBold && serifBold;
}

QFont sans(qreal px, bool bold) { return makeFont(sansFamily, px, bold); }
QFont serif(qreal px, bool bold) { return makeFont(serifFamily, px, bold); }

qreal noise(int index) {
  // A small integer hash folded into [0, 1).
  std::uint32_t x = std::uint32_t(index) * 2654435761u + 0x9E3779B9u;
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return (x & 0xFFFFFF) / qreal(0x1000000);
}

void drawFace(QPainter& p, QPointF centre, qreal size, const Face& f) {
  p.save();
  p.translate(centre);
  p.scale(size / 100.0, size / 100.0);
  const QColor skinDark = shade(f.skin, 80);
  const QColor skinLine = shade(f.skin, 55);

  // Long hair falls behind the shoulders first.
  if (f.headwear != Headwear::Hijab && (f.hairStyle == Hair::Long || f.hairStyle == Hair::Wavy)) {
    QPainterPath back;
    back.moveTo(0, -44);
    back.cubicTo(-42, -44, -40, -8, -38, 18);
    if (f.hairStyle == Hair::Wavy) {
      back.cubicTo(-42, 34, -32, 42, -40, 58);
      back.cubicTo(-46, 70, -36, 80, -30, 84);
    } else {
      back.cubicTo(-38, 45, -44, 66, -36, 86);
    }
    back.lineTo(36, 86);
    if (f.hairStyle == Hair::Wavy) {
      back.cubicTo(36, 80, 46, 70, 40, 58);
      back.cubicTo(32, 42, 42, 34, 38, 18);
    } else {
      back.cubicTo(44, 66, 38, 45, 38, 18);
    }
    back.cubicTo(40, -8, 42, -44, 0, -44);
    QLinearGradient g(-40, 0, 40, 0);
    g.setColorAt(0, shade(f.hair, 70));
    g.setColorAt(0.5, shade(f.hair, 130));
    g.setColorAt(1, shade(f.hair, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(back);
  }

  // A headscarf frames the face and falls over the shoulders.
  if (f.headwear == Headwear::Hijab) {
    QPainterPath scarf;
    scarf.moveTo(0, -47);
    scarf.cubicTo(-40, -47, -42, -5, -40, 20);
    scarf.cubicTo(-46, 40, -60, 55, -62, 96);
    scarf.lineTo(62, 96);
    scarf.cubicTo(60, 55, 46, 40, 40, 20);
    scarf.cubicTo(42, -5, 40, -47, 0, -47);
    QLinearGradient g(-50, -40, 50, 60);
    g.setColorAt(0, shade(f.headwearColour, 135));
    g.setColorAt(1, shade(f.headwearColour, 75));
    p.setPen(QPen(shade(f.headwearColour, 60), 1.2));
    p.setBrush(g);
    p.drawPath(scarf);
  }

  // Shoulders and clothes.
  QPainterPath body;
  body.moveTo(-62, 96);
  body.cubicTo(-62, 62, -44, 50, -15, 42);
  body.lineTo(15, 42);
  body.cubicTo(44, 50, 62, 62, 62, 96);
  body.closeSubpath();
  if (f.headwear != Headwear::Hijab) {
    QLinearGradient g(0, 40, 0, 96);
    g.setColorAt(0, shade(f.clothes, 125));
    g.setColorAt(1, shade(f.clothes, 70));
    p.setPen(QPen(shade(f.clothes, 55), 1.2));
    p.setBrush(g);
    p.drawPath(body);
    // Neck.
    p.setPen(Qt::NoPen);
    p.setBrush(skinDark);
    p.drawRect(QRectF(-10, 22, 20, 24));
    // A collar of light lace around the neckline.
    QPainterPath neckline;
    neckline.moveTo(-17, 42);
    neckline.cubicTo(-10, 60, 10, 60, 17, 42);
    p.setBrush(skinDark);
    p.drawPath(neckline);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.trim, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(neckline);
    p.setPen(QPen(f.trim, 1.6, Qt::DotLine, Qt::RoundCap));
    QPainterPath lace;
    lace.moveTo(-21, 44);
    lace.cubicTo(-13, 66, 13, 66, 21, 44);
    p.drawPath(lace);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(skinDark);
    p.drawRect(QRectF(-9, 22, 18, 14));
  }

  // Ears.
  if (f.headwear != Headwear::Hijab) {
    p.setPen(QPen(skinLine, 1));
    p.setBrush(skinDark);
    p.drawEllipse(QPointF(-28, 2), 5, 8.5);
    p.drawEllipse(QPointF(28, 2), 5, 8.5);
    if (f.earrings) {
      p.setPen(QPen(QColor(150, 100, 20), 0.8));
      p.setBrush(QColor(240, 200, 80));
      p.drawEllipse(QPointF(-29, 13), 2.6, 2.6);
      p.drawEllipse(QPointF(29, 13), 2.6, 2.6);
    }
  }

  // The head.
  QPainterPath head;
  head.moveTo(0, -37);
  head.cubicTo(19, -37, 28, -21, 28, -2);
  head.cubicTo(28, 19, 16, 36, 0, 37);
  head.cubicTo(-16, 36, -28, 19, -28, -2);
  head.cubicTo(-28, -21, -19, -37, 0, -37);
  QRadialGradient skinLight(QPointF(-8, -10), 46);
  skinLight.setColorAt(0, shade(f.skin, 112));
  skinLight.setColorAt(0.7, f.skin);
  skinLight.setColorAt(1, skinDark);
  p.setPen(QPen(skinLine, 1));
  p.setBrush(skinLight);
  p.drawPath(head);

  // Cheeks.
  for (qreal x : {-16.0, 16.0}) {
    QRadialGradient blush(QPointF(x, 11), 8);
    blush.setColorAt(0, QColor(230, 90, 90, 70));
    blush.setColorAt(1, QColor(230, 90, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(blush);
    p.drawEllipse(QPointF(x, 11), 8, 8);
  }

  // Eyes.
  const bool fright = f.expression == Expression::Fright;
  for (int side = -1; side <= 1; side += 2) {
    const qreal ex = side * 11.0;
    const qreal ey = -2;
    const QPainterPath eye = almond(ex, ey, 6.5, fright ? 7.0 : 5.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 250, 244));
    p.drawPath(eye);
    p.save();
    p.setClipPath(eye, Qt::IntersectClip);
    const QPointF iris(ex + f.look * 2.5, ey - 0.5);
    p.setBrush(QColor(70, 42, 25));
    p.drawEllipse(iris, 3.9, 3.9);
    p.setBrush(QColor(15, 10, 8));
    p.drawEllipse(iris, fright ? 1.4 : 2.0, fright ? 1.4 : 2.0);
    p.setBrush(Qt::white);
    p.drawEllipse(iris + QPointF(-1.3, -1.4), 1.1, 1.1);
    p.restore();
    // The upper lid, heavier with lashes.
    QPainterPath lid;
    lid.moveTo(ex - 6.8, ey + 0.3);
    lid.cubicTo(ex - 3.5, ey - (fright ? 7.5 : 5.6), ex + 3.5, ey - (fright ? 7.5 : 5.6), ex + 6.8, ey - 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(35, 22, 18), f.lashes ? 1.9 : 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lid);
    if (f.lashes) {
      p.setPen(QPen(QColor(35, 22, 18), 1.0, Qt::SolidLine, Qt::RoundCap));
      const qreal outer = ex + side * 6.6;
      p.drawLine(QPointF(outer, ey - 0.6), QPointF(outer + side * 2.2, ey - 2.6));
      p.drawLine(QPointF(outer - side * 1.8, ey - 2.6), QPointF(outer - side * 0.4 + side * 1.4, ey - 4.8));
    }
    // Brows: raised and drawn together in fright.
    QPainterPath brow;
    const qreal inner = side * 4.5;
    const qreal outer = side * 18.0;
    if (fright) {
      brow.moveTo(inner, -15);
      brow.cubicTo(side * 9, -18, side * 14, -17, outer, -12);
    } else {
      brow.moveTo(inner, -11);
      brow.cubicTo(side * 9, -14.5, side * 14, -14.5, outer, -10.5);
    }
    p.setPen(QPen(shade(f.hair, 110), f.moustache ? 2.6 : 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(brow);
  }

  if (f.glasses) {
    p.setBrush(QColor(255, 255, 255, 30));
    p.setPen(QPen(QColor(30, 25, 25), 1.5));
    p.drawRoundedRect(QRectF(-20, -9, 16, 13), 4, 4);
    p.drawRoundedRect(QRectF(4, -9, 16, 13), 4, 4);
    p.drawLine(QPointF(-4, -4), QPointF(4, -4));
    p.drawLine(QPointF(-20, -5), QPointF(-27, -7));
    p.drawLine(QPointF(20, -5), QPointF(27, -7));
  }

  // Nose.
  QPainterPath nose;
  nose.moveTo(-1.5, 2);
  nose.cubicTo(-2.5, 7, -5, 10, -3.5, 11.5);
  nose.cubicTo(-1.5, 13, 1.5, 13, 3.5, 11.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(skinLine, 1.1, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(nose);

  if (f.moustache) {
    QPainterPath m;
    m.moveTo(0, 15);
    m.cubicTo(-5, 13, -10, 14, -12, 19);
    m.cubicTo(-8, 17.5, -4, 18, 0, 17.5);
    m.cubicTo(4, 18, 8, 17.5, 12, 19);
    m.cubicTo(10, 14, 5, 13, 0, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(f.hair, 110));
    p.drawPath(m);
  }

  // Mouth.
  const QColor lip(185, 70, 70);
  switch (f.expression) {
    case Expression::Smile: {
      QPainterPath mouth;
      mouth.moveTo(-9, 19);
      mouth.cubicTo(-4, 21.5, 4, 21.5, 9, 19);
      mouth.cubicTo(5, 26, -5, 26, -9, 19);
      p.setPen(QPen(shade(lip, 70), 0.8));
      p.setBrush(lip);
      p.drawPath(mouth);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(250, 245, 240));
      QPainterPath teeth;
      teeth.moveTo(-7, 20);
      teeth.cubicTo(-3, 21.8, 3, 21.8, 7, 20);
      teeth.cubicTo(4, 22.8, -4, 22.8, -7, 20);
      p.drawPath(teeth);
      break;
    }
    case Expression::Grin: {
      QPainterPath mouth;
      mouth.moveTo(-11, 17);
      mouth.cubicTo(-4, 21, 4, 21, 11, 17);
      mouth.cubicTo(6, 28, -6, 28, -11, 17);
      p.setPen(QPen(shade(lip, 70), 0.8));
      p.setBrush(QColor(110, 30, 30));
      p.drawPath(mouth);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(250, 245, 240));
      QPainterPath teeth;
      teeth.moveTo(-9, 18.2);
      teeth.cubicTo(-4, 21.3, 4, 21.3, 9, 18.2);
      teeth.lineTo(8, 21);
      teeth.cubicTo(4, 23, -4, 23, -8, 21);
      teeth.closeSubpath();
      p.drawPath(teeth);
      break;
    }
    case Expression::Calm: {
      QPainterPath mouth;
      mouth.moveTo(-7, 20);
      mouth.cubicTo(-3, 18.5, 3, 18.5, 7, 20);
      mouth.cubicTo(3, 24.5, -3, 24.5, -7, 20);
      p.setPen(QPen(shade(lip, 70), 0.8));
      p.setBrush(lip);
      p.drawPath(mouth);
      p.setPen(QPen(shade(lip, 55), 0.9));
      p.drawLine(QPointF(-6.5, 20.2), QPointF(6.5, 20.2));
      break;
    }
    case Expression::Fright: {
      p.setPen(QPen(lip, 1.8));
      p.setBrush(QColor(80, 20, 25));
      p.drawEllipse(QPointF(0, 22), 4.2, 5.4);
      break;
    }
  }

  // Hair in front, or the headwear.
  p.setPen(Qt::NoPen);
  if (f.headwear == Headwear::Hijab) {
    QPainterPath band;
    band.moveTo(-27, -12);
    band.cubicTo(-24, -40, 24, -40, 27, -12);
    band.cubicTo(22, -31, -22, -31, -27, -12);
    p.setBrush(shade(f.headwearColour, 120));
    p.drawPath(band);
    // The scarf closes under the chin.
    QPainterPath chin;
    chin.moveTo(-29, -4);
    chin.cubicTo(-28, 22, -16, 38, 0, 39);
    chin.cubicTo(16, 38, 28, 22, 29, -4);
    chin.lineTo(34, -4);
    chin.cubicTo(34, 30, 20, 48, 0, 48);
    chin.cubicTo(-20, 48, -34, 30, -34, -4);
    chin.closeSubpath();
    p.setBrush(shade(f.headwearColour, 95));
    p.drawPath(chin);
  } else if (f.hairStyle != Hair::Bald) {
    QPainterPath cap;
    const qreal sideEnd = f.hairStyle == Hair::Short ? -6 : 6;
    cap.moveTo(-30, sideEnd);
    cap.cubicTo(-34, -30, -16, -45, 0, -44);
    cap.cubicTo(16, -45, 34, -30, 30, sideEnd);
    cap.cubicTo(27, -12, 22, -22, 5, -25);
    cap.cubicTo(-6, -20, -20, -17, -30, sideEnd);
    QLinearGradient g(0, -45, 0, 0);
    g.setColorAt(0, shade(f.hair, 160));
    g.setColorAt(1, shade(f.hair, 90));
    p.setBrush(g);
    p.drawPath(cap);
    if (f.hairStyle == Hair::Bun) {
      p.drawEllipse(QPointF(0, -47), 13, 10);
      p.setPen(QPen(QColor(220, 180, 60), 1.4));
      p.drawLine(QPointF(-16, -52), QPointF(14, -44));
    }
    // A few strands catch the light.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 45), 1.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shine;
    shine.moveTo(-18, -34);
    shine.cubicTo(-12, -40, -4, -41, 2, -40);
    p.drawPath(shine);
  } else {
    // Bald: a little grey above the ears.
    p.setBrush(shade(f.hair, 100));
    p.drawEllipse(QPointF(-26, -8), 4, 8);
    p.drawEllipse(QPointF(26, -8), 4, 8);
  }

  switch (f.headwear) {
    case Headwear::Peci: {
      QPainterPath peci;
      peci.moveTo(-25, -26);
      peci.lineTo(-23, -48);
      peci.cubicTo(-10, -52, 10, -52, 23, -48);
      peci.lineTo(25, -26);
      peci.cubicTo(10, -30, -10, -30, -25, -26);
      QLinearGradient g(-25, 0, 25, 0);
      g.setColorAt(0, QColor(10, 10, 12));
      g.setColorAt(0.35, QColor(60, 58, 64));
      g.setColorAt(1, QColor(8, 8, 10));
      p.setPen(QPen(QColor(0, 0, 0), 0.8));
      p.setBrush(g);
      p.drawPath(peci);
      break;
    }
    case Headwear::Blangkon: {
      QPainterPath cloth;
      cloth.moveTo(-31, -6);
      cloth.cubicTo(-34, -40, -14, -49, 0, -49);
      cloth.cubicTo(14, -49, 34, -40, 31, -6);
      cloth.cubicTo(22, -26, -22, -26, -31, -6);
      p.setPen(QPen(shade(f.headwearColour, 50), 1));
      p.setBrush(f.headwearColour);
      p.drawPath(cloth);
      // Batik lines across the cloth.
      p.save();
      p.setClipPath(cloth, Qt::IntersectClip);
      p.setPen(QPen(shade(f.headwearColour, 150), 1.2));
      for (int i = 0; i < 7; ++i) {
        const qreal y = -47 + i * 6.5;
        QPainterPath wave;
        wave.moveTo(-36, y);
        for (int k = 0; k < 6; ++k)
          wave.quadTo(-30 + k * 12, y + (k % 2 ? 3 : -3), -24 + k * 12, y);
        p.drawPath(wave);
      }
      p.restore();
      break;
    }
    case Headwear::Flower:
      frangipani(p, QPointF(-22, -27), 9);
      frangipani(p, QPointF(-30, -16), 6);
      break;
    case Headwear::None:
    case Headwear::Hijab:
      break;
  }
  p.restore();
}

void drawMask(QPainter& p, QPointF centre, qreal size, const Mask& m) {
  p.save();
  p.translate(centre);
  p.scale(size / 120.0, size / 120.0);
  const QColor faceDark = shade(m.face, 60);
  const QColor goldDark = shade(m.gold, 55);

  // The mane: locks of hair around the whole head, longer below.
  {
    QPainterPath mane;
    const int locks = 26;
    for (int i = 0; i <= locks; ++i) {
      const qreal a = 2 * M_PI * i / locks - M_PI / 2;
      const qreal wobble = noise(m.maneSeed * 100 + i);
      const qreal below = std::max<qreal>(0, std::sin(a));
      const qreal r = 50 + 8 * wobble + 14 * below;
      const qreal rin = 42 + 4 * below;
      const QPointF tip(r * std::cos(a) * 1.05, r * std::sin(a) + 4);
      const qreal a2 = a + M_PI / locks;
      const QPointF between(rin * std::cos(a2) * 1.05, rin * std::sin(a2) + 4);
      if (i == 0)
        mane.moveTo(tip);
      else
        mane.quadTo(QPointF(tip.x() * 0.92, tip.y() * 0.92 + 2), tip);
      if (i < locks) mane.quadTo(QPointF(between.x() * 1.08, between.y() * 1.08), between);
    }
    mane.closeSubpath();
    QRadialGradient g(QPointF(0, 0), 66);
    g.setColorAt(0.5, shade(m.mane, 130));
    g.setColorAt(1, shade(m.mane, 80));
    p.setPen(QPen(shade(m.mane, 50), 1.2));
    p.setBrush(g);
    p.drawPath(mane);
    // Strands.
    p.setPen(QPen(shade(m.mane, 150), 0.9));
    for (int i = 0; i < 40; ++i) {
      const qreal a = 2 * M_PI * i / 40 + 0.07 * noise(m.maneSeed * 100 + 50 + i);
      const qreal r0 = 38;
      const qreal r1 = 48 + 10 * noise(m.maneSeed * 100 + 90 + i);
      p.drawLine(QPointF(r0 * std::cos(a), r0 * std::sin(a) + 4),
                 QPointF(r1 * std::cos(a), r1 * std::sin(a) + 4));
    }
  }

  if (m.horns) {
    for (int side = -1; side <= 1; side += 2) {
      QPainterPath horn;
      horn.moveTo(side * 16, -36);
      horn.cubicTo(side * 30, -48, side * 42, -58, side * 40, -78);
      horn.cubicTo(side * 52, -62, side * 46, -44, side * 32, -30);
      horn.closeSubpath();
      QLinearGradient g(side * 16, -30, side * 44, -78);
      g.setColorAt(0, QColor(120, 90, 60));
      g.setColorAt(0.6, QColor(235, 220, 190));
      g.setColorAt(1, QColor(250, 245, 230));
      p.setPen(QPen(QColor(70, 50, 30), 1.2));
      p.setBrush(g);
      p.drawPath(horn);
      p.setPen(QPen(QColor(120, 95, 60), 0.9));
      for (int k = 1; k <= 3; ++k) {
        const qreal t = k / 4.5;
        p.drawLine(QPointF(side * (18 + 20 * t), -37 - 18 * t), QPointF(side * (30 + 14 * t), -31 - 20 * t));
      }
    }
  }

  // The face.
  QPainterPath face;
  face.moveTo(0, -44);
  face.cubicTo(30, -44, 41, -25, 41, -2);
  face.cubicTo(41, 26, 26, 49, 0, 51);
  face.cubicTo(-26, 49, -41, 26, -41, -2);
  face.cubicTo(-41, -25, -30, -44, 0, -44);
  QRadialGradient skin(QPointF(-10, -14), 62);
  skin.setColorAt(0, shade(m.face, 135));
  skin.setColorAt(0.55, m.face);
  skin.setColorAt(1, faceDark);
  p.setPen(QPen(shade(m.face, 40), 1.4));
  p.setBrush(skin);
  p.drawPath(face);

  // Ear discs.
  for (int side = -1; side <= 1; side += 2) {
    p.setPen(QPen(goldDark, 1));
    p.setBrush(goldBrush(QRectF(side * 44 - 8, -4, 16, 16)));
    p.drawEllipse(QPointF(side * 44, 4), 8, 8);
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(QPointF(side * 44, 4), 3, 3);
  }

  // Ornamental curls on the cheeks.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(m.gold, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath curl;
    curl.moveTo(side * 34, 4);
    curl.cubicTo(side * 36, 16, side * 26, 22, side * 24, 14);
    curl.cubicTo(side * 23, 9, side * 29, 9, side * 28, 13);
    p.drawPath(curl);
  }

  // The crown: a gold band with flames above the brow.
  if (m.crown) {
    QPainterPath crown;
    crown.moveTo(-38, -22);
    const int flames = 7;
    for (int i = 0; i <= flames; ++i) {
      const qreal x = -38 + 76.0 * i / flames;
      const qreal peak = (i == flames / 2 || i == flames / 2 + 1) ? 30 : 20 - std::abs(i - 3.5) * 2;
      if (i > 0) crown.quadTo(QPointF(x - 5, -34), QPointF(x - 76.0 / flames / 2, -34 - peak));
      if (i < flames) crown.quadTo(QPointF(x + 3, -36), QPointF(x + 76.0 / flames / 2 - 5, -33));
    }
    crown.lineTo(38, -22);
    crown.cubicTo(20, -30, -20, -30, -38, -22);
    p.setPen(QPen(goldDark, 1.1));
    p.setBrush(goldBrush(QRectF(-40, -70, 80, 50)));
    p.drawPath(crown);
    for (int i = -2; i <= 2; ++i) {
      p.setBrush(i == 0 ? QColor(40, 140, 80) : QColor(190, 25, 40));
      p.setPen(QPen(goldDark, 0.8));
      p.drawEllipse(QPointF(i * 13, -28 + std::abs(i) * 1.5), i == 0 ? 4.2 : 2.8, i == 0 ? 4.2 : 2.8);
    }
  }

  // Heavy frowning brows.
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath brow;
    brow.moveTo(side * 4, -10);
    brow.cubicTo(side * 12, -26, side * 26, -26, side * 34, -16);
    brow.cubicTo(side * 26, -20, side * 14, -18, side * 4, -10);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(shade(m.mane, 100));
    p.drawPath(brow);
  }

  // Bulging eyes with red veins.
  for (int side = -1; side <= 1; side += 2) {
    const QPointF c(side * 17, -6);
    QRadialGradient ball(c + QPointF(-3, -3), 13);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(0.7, m.eyes);
    ball.setColorAt(1, shade(m.eyes, 75));
    p.setPen(QPen(Qt::black, 2.2));
    p.setBrush(ball);
    p.drawEllipse(c, 11.5, 11);
    p.setPen(QPen(QColor(200, 40, 40, 170), 0.7));
    for (int k = 0; k < 5; ++k) {
      const qreal a = k * 1.25 + side;
      p.drawLine(c + QPointF(10 * std::cos(a), 10 * std::sin(a)), c + QPointF(6 * std::cos(a + 0.3), 6 * std::sin(a + 0.3)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 180, 30));
    p.drawEllipse(c + QPointF(-side * 2.5, 1), 5, 5);
    p.setBrush(Qt::black);
    p.drawEllipse(c + QPointF(-side * 2.5, 1), 2.6, 2.6);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-side * 2.5 - 1.6, -0.8), 1.1, 1.1);
  }

  // The bulb of a nose.
  {
    QRadialGradient g(QPointF(-2, 6), 12);
    g.setColorAt(0, shade(m.face, 130));
    g.setColorAt(1, faceDark);
    p.setPen(QPen(shade(m.face, 40), 1.1));
    p.setBrush(g);
    QPainterPath nose;
    nose.moveTo(0, -2);
    nose.cubicTo(6, 0, 13, 6, 11, 12);
    nose.cubicTo(8, 17, -8, 17, -11, 12);
    nose.cubicTo(-13, 6, -6, 0, 0, -2);
    p.drawPath(nose);
    p.setPen(Qt::NoPen);
    p.setBrush(shade(m.face, 30));
    p.drawEllipse(QPointF(-5, 12.5), 2.4, 1.6);
    p.drawEllipse(QPointF(5, 12.5), 2.4, 1.6);
  }

  // The open mouth: teeth, fangs, tusks and perhaps a tongue.
  QPainterPath mouth;
  mouth.moveTo(-27, 21);
  mouth.cubicTo(-12, 16, 12, 16, 27, 21);
  mouth.cubicTo(22, 44, -22, 44, -27, 21);
  p.setPen(QPen(Qt::black, 1.6));
  p.setBrush(QColor(95, 10, 20));
  p.drawPath(mouth);
  p.save();
  p.setClipPath(mouth, Qt::IntersectClip);
  if (m.tongue <= 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 70));
    p.drawEllipse(QPointF(0, 38), 14, 7);
  }
  p.setPen(QPen(QColor(150, 140, 120), 0.6));
  p.setBrush(QColor(250, 246, 232));
  for (int i = -4; i <= 3; ++i) p.drawRect(QRectF(i * 5.0 + 0.3, 16, 4.6, 6.5 - std::abs(i + 0.5) * 0.4));
  for (int i = -3; i <= 2; ++i) p.drawRect(QRectF(i * 5.0 + 0.3, 35.5, 4.6, 6));
  p.restore();
  if (m.tongue > 0) {
    QPainterPath tongue;
    tongue.moveTo(-11, 31);
    tongue.cubicTo(-14, 31 + m.tongue * 0.5, -6, 31 + m.tongue * 0.8, 0, 31 + m.tongue);
    tongue.cubicTo(6, 31 + m.tongue * 0.8, 14, 31 + m.tongue * 0.5, 11, 31);
    tongue.closeSubpath();
    QLinearGradient g(0, 30, 0, 31 + m.tongue);
    g.setColorAt(0, QColor(170, 20, 30));
    g.setColorAt(1, QColor(230, 60, 60));
    p.setPen(QPen(QColor(90, 10, 15), 1));
    p.setBrush(g);
    p.drawPath(tongue);
    p.setPen(QPen(m.gold, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 3; ++k) {
      const qreal y = 31 + m.tongue * k / 4.0;
      const qreal w = 9 - k * 1.6;
      QPainterPath flame;
      flame.moveTo(-w, y);
      flame.quadTo(0, y + 5, w, y);
      p.drawPath(flame);
    }
  }
  // Fangs from above.
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath fang;
    fang.moveTo(side * 19, 18.5);
    fang.cubicTo(side * 19, 26, side * 17, 31, side * 15, 34);
    fang.cubicTo(side * 14.5, 28, side * 13, 22, side * 12, 18);
    fang.closeSubpath();
    p.setPen(QPen(QColor(90, 80, 60), 0.8));
    p.setBrush(QColor(252, 248, 235));
    p.drawPath(fang);
  }
  if (m.tusks) {
    for (int side = -1; side <= 1; side += 2) {
      QPainterPath tusk;
      tusk.moveTo(side * 17, 40);
      tusk.cubicTo(side * 27, 38, side * 33, 28, side * 33, 12);
      tusk.cubicTo(side * 29, 24, side * 25, 30, side * 21, 33);
      tusk.closeSubpath();
      QLinearGradient g(side * 17, 40, side * 33, 12);
      g.setColorAt(0, QColor(215, 200, 165));
      g.setColorAt(1, QColor(255, 252, 240));
      p.setPen(QPen(QColor(90, 75, 50), 0.9));
      p.setBrush(g);
      p.drawPath(tusk);
    }
  }
  p.restore();
}

QPainterPath scriptText(const QString& text, qreal px) {
  QPainterPath path;
  path.addText(0, 0, serif(px, true), text);
  // Leaning the glyphs over by about 20 degrees turns the upright serif into
  // a running hand; the baseline stays where it was.
  return QTransform(1, 0, -0.36, 1, 0, 0).map(path);
}

QPainterPath swash(QPointF from, QPointF c1, QPointF c2, QPointF to, qreal width) {
  const int steps = 48;
  QPolygonF left;
  QPolygonF right;
  auto point = [&](qreal t) {
    const qreal u = 1 - t;
    return from * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + to * (t * t * t);
  };
  for (int i = 0; i <= steps; ++i) {
    const qreal t = qreal(i) / steps;
    const QPointF a = point(std::max<qreal>(0, t - 0.01));
    const QPointF b = point(std::min<qreal>(1, t + 0.01));
    QPointF n(-(b.y() - a.y()), b.x() - a.x());
    const qreal len = std::hypot(n.x(), n.y());
    if (len > 0) n /= len;
    const qreal w = width * 0.5 * std::sin(M_PI * t) + 0.15;
    left << point(t) + n * w;
    right.prepend(point(t) - n * w);
  }
  QPainterPath path;
  path.addPolygon(left + right);
  path.closeSubpath();
  return path;
}

QPainterPath sparkle(QPointF c, qreal r) {
  QPainterPath s;
  s.moveTo(c + QPointF(0, -r));
  s.quadTo(c, c + QPointF(r, 0));
  s.quadTo(c, c + QPointF(0, r));
  s.quadTo(c, c + QPointF(-r, 0));
  s.quadTo(c, c + QPointF(0, -r));
  return s;
}

QBrush goldBrush(const QRectF& over) {
  QLinearGradient g(over.topLeft(), over.bottomRight());
  g.setColorAt(0, QColor(255, 236, 160));
  g.setColorAt(0.35, QColor(222, 170, 60));
  g.setColorAt(0.65, QColor(245, 205, 110));
  g.setColorAt(1, QColor(140, 90, 25));
  return QBrush(g);
}

QBrush goldLettering(const QRectF& over) {
  QLinearGradient g(0, over.top(), 0, over.bottom());
  g.setColorAt(0, QColor(255, 240, 176));
  g.setColorAt(0.45, QColor(232, 184, 76));
  g.setColorAt(0.55, QColor(214, 160, 56));
  g.setColorAt(1, QColor(250, 214, 122));
  return QBrush(g);
}

}  // namespace side
