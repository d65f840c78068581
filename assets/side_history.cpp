// side_history.cpp: the history picture, a dark page telling the legend of the ring between masks and portraits.
#include "side_art.h"
#include "side_pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTextLayout>

namespace side {

namespace {

constexpr qreal kWidth = 499;
constexpr qreal kHeight = 348;
constexpr qreal kFold = 40;  // the turned-down corner's legs

const char* const kTitle = "The History of Wirangga";

const char* const kStory[] = {
    "Long ago, when the gongs of the old kraton still rang by themselves at midnight, "
    "the devil Dez lost a wager to a blind gamelan player and was shut inside a ring of "
    "thirteen stones. Every spell has a loophole, and this one has a big one: whoever "
    "takes the last stone from the ring wins, and whoever leaves it loses his shadow to "
    "the ring. So Dez takes stones, one at a time or two side by side, and grins, and "
    "always, always takes the last one.",
    "The elders call the ring Wirangga. They say that whoever beats Dez at his own game "
    "becomes the master of Wirangga, may wish for anything at all, and has Dez to carry "
    "his umbrella for a thousand years. The masks on this page were worn by players who "
    "tried; the faces in the frames are their families, still waiting for them to come "
    "home for dinner. Take a stone if you dare. Dez is patient, and Dez can count.",
};

QPainterPath pageOutline() {
  QPainterPath page;
  page.moveTo(0, 0);
  page.lineTo(kWidth - kFold, 0);
  page.lineTo(kWidth, kFold);
  page.lineTo(kWidth, kHeight);
  page.lineTo(0, kHeight);
  page.closeSubpath();
  return page;
}

void drawPage(QPainter& p) {
  p.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::black);
  const QPainterPath page = pageOutline();
  QRadialGradient paper(QPointF(kWidth * 0.45, kHeight * 0.42), kWidth * 0.72);
  paper.setColorAt(0, QColor(54, 41, 34));
  paper.setColorAt(0.65, QColor(36, 27, 23));
  paper.setColorAt(1, QColor(17, 12, 10));
  p.fillPath(page, paper);

  p.save();
  p.setClipPath(page);
  p.setPen(Qt::NoPen);
  // Old stains and the grain of the paper.
  for (int i = 0; i < 7; ++i) {
    const QPointF at(noise(900 + i * 3) * kWidth, noise(901 + i * 3) * kHeight);
    const qreal r = 30 + 50 * noise(902 + i * 3);
    QRadialGradient stain(at, r);
    stain.setColorAt(0, QColor(120, 90, 60, 18));
    stain.setColorAt(0.8, QColor(120, 90, 60, 10));
    stain.setColorAt(1, QColor(120, 90, 60, 0));
    p.setBrush(stain);
    p.drawEllipse(at, r, r);
  }
  for (int i = 0; i < 900; ++i) {
    const QPointF at(noise(i * 4) * kWidth, noise(i * 4 + 1) * kHeight);
    const qreal light = noise(i * 4 + 2);
    const qreal r = 0.4 + 0.9 * noise(i * 4 + 3);
    p.setBrush(light > 0.5 ? QColor(230, 200, 160, int(8 + 22 * (light - 0.5)))
                           : QColor(0, 0, 0, int(20 + 50 * light)));
    p.drawEllipse(at, r, r);
  }
  p.restore();

  // A double gold rule inside the edge, cut across the corner like the page.
  p.setBrush(Qt::NoBrush);
  for (const auto& [inset, width] : {std::pair{6.0, 1.4}, std::pair{9.5, 0.6}}) {
    QPainterPath rule;
    const qreal cut = kFold + inset * 0.41;
    rule.moveTo(inset, inset);
    rule.lineTo(kWidth - cut - inset * 0.6, inset);
    rule.lineTo(kWidth - inset, cut + inset * 0.6);
    rule.lineTo(kWidth - inset, kHeight - inset);
    rule.lineTo(inset, kHeight - inset);
    rule.closeSubpath();
    p.setPen(QPen(QColor(176, 134, 62, 200), width));
    p.drawPath(rule);
  }
}

void drawFold(QPainter& p) {
  const QPointF a(kWidth - kFold, 0);
  const QPointF b(kWidth, kFold);
  const QPointF c(kWidth - kFold, kFold);
  // The flap's shadow on the page, softened in a few steps.
  p.setPen(Qt::NoPen);
  for (int i = 5; i >= 1; --i) {
    const qreal d = i * 1.3;
    QPolygonF shadow;
    shadow << a << b << c + QPointF(-d, d);
    p.setBrush(QColor(0, 0, 0, 34));
    p.drawPolygon(shadow);
  }
  // The back of the page: paler, lit along the crease.
  QPolygonF flap;
  flap << a << b << c;
  QLinearGradient back((a + b) / 2, c);
  back.setColorAt(0, QColor(142, 118, 94));
  back.setColorAt(0.5, QColor(104, 84, 66));
  back.setColorAt(1, QColor(66, 52, 42));
  p.setBrush(back);
  p.setPen(QPen(QColor(40, 30, 24), 0.8));
  p.drawPolygon(flap);
  p.setPen(QPen(QColor(200, 175, 140, 160), 0.9));
  p.drawLine(a, b);
}

void drawTitle(QPainter& p) {
  QPainterPath title;
  title.addText(0, 0, serif(25, true), kTitle);
  const QRectF box = title.boundingRect();
  const qreal middle = (kWidth - kFold) / 2 + 12;
  title.translate(middle - box.center().x(), 37);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawPath(title.translated(1.2, 1.5));
  p.setBrush(goldLettering(title.boundingRect()));
  p.setPen(QPen(QColor(90, 55, 15), 0.5));
  p.drawPath(title);

  // A rule under the title, with a sparkle in the middle and at the ends.
  const qreal y = 48;
  const qreal half = title.boundingRect().width() / 2 + 6;
  p.setPen(QPen(QColor(190, 145, 65), 1.0));
  p.drawLine(QPointF(middle - half, y), QPointF(middle - 9, y));
  p.drawLine(QPointF(middle + 9, y), QPointF(middle + half, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(225, 180, 90));
  p.drawPath(sparkle(QPointF(middle, y), 6));
  p.drawPath(sparkle(QPointF(middle - half - 4, y), 3.5));
  p.drawPath(sparkle(QPointF(middle + half + 4, y), 3.5));
}

void drawMasks(QPainter& p) {
  Mask barong;
  barong.maneSeed = 1;
  Mask rangda;
  rangda.face = QColor(232, 222, 198);
  rangda.mane = QColor(206, 204, 196);
  rangda.eyes = QColor(250, 236, 200);
  rangda.tongue = 34;
  rangda.maneSeed = 2;
  Mask demon;
  demon.face = QColor(58, 120, 72);
  demon.mane = QColor(30, 22, 18);
  demon.crown = false;
  demon.horns = true;
  demon.maneSeed = 3;
  const Mask masks[] = {barong, demon, rangda};
  const qreal ys[] = {100, 187, 270};
  for (int i = 0; i < 3; ++i) {
    const QPointF at(52, ys[i]);
    QRadialGradient glow(at, 46);
    glow.setColorAt(0, QColor(150, 30, 20, 90));
    glow.setColorAt(1, QColor(150, 30, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at, 46, 46);
    drawMask(p, at, 76, masks[i]);
  }
}

void drawPortraits(QPainter& p) {
  // Old photographs: every face in the browns of sepia.
  Face grandfather;
  grandfather.skin = QColor(196, 160, 122);
  grandfather.hair = QColor(70, 52, 38);
  grandfather.hairStyle = Hair::Short;
  grandfather.headwear = Headwear::Peci;
  grandfather.clothes = QColor(112, 84, 60);
  grandfather.trim = QColor(214, 194, 160);
  grandfather.expression = Expression::Calm;
  grandfather.moustache = true;
  Face mother = grandfather;
  mother.hairStyle = Hair::Bun;
  mother.headwear = Headwear::None;
  mother.moustache = false;
  mother.lashes = true;
  mother.earrings = true;
  mother.expression = Expression::Smile;
  mother.clothes = QColor(132, 98, 70);
  Face son = grandfather;
  son.headwear = Headwear::Blangkon;
  son.headwearColour = QColor(98, 72, 50);
  son.moustache = false;
  son.expression = Expression::Grin;
  son.look = -0.6;
  const Face faces[] = {grandfather, mother, son};
  const qreal ys[] = {100, 188, 276};
  for (int i = 0; i < 3; ++i) {
    const QPointF at(450, ys[i]);
    const QRectF oval(at.x() - 32, at.y() - 40, 64, 80);
    QPainterPath inside;
    inside.addEllipse(oval);
    QRadialGradient tone(at + QPointF(-6, -14), 48);
    tone.setColorAt(0, QColor(214, 190, 150));
    tone.setColorAt(1, QColor(120, 92, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(tone);
    p.drawPath(inside);
    p.save();
    p.setClipPath(inside);
    drawFace(p, at + QPointF(0, 4), 66, faces[i]);
    // The paper of the photograph has faded towards its edge.
    QRadialGradient fade(at, 42);
    fade.setColorAt(0.6, QColor(60, 40, 20, 0));
    fade.setColorAt(1, QColor(60, 40, 20, 140));
    p.setBrush(fade);
    p.drawPath(inside);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(goldBrush(oval), 4));
    p.drawEllipse(oval.adjusted(-2, -2, 2, 2));
    p.setPen(QPen(QColor(60, 40, 15), 0.8));
    p.drawEllipse(oval.adjusted(-4.2, -4.2, 4.2, 4.2));
    p.drawEllipse(oval);
  }
}

// Sets one paragraph justified from `top`, opening with a red initial two
// lines high; answers the top of the next line.
qreal setParagraph(QPainter& p, const QString& text, qreal left, qreal top, qreal width) {
  const QFont body = serif(12);
  const QFont initial = serif(31, true);
  const qreal leading = 14.3;
  const QFontMetricsF bodyMetrics(body);
  const QFontMetricsF initialMetrics(initial);
  const QString cap = text.left(1);
  const qreal capWidth = initialMetrics.horizontalAdvance(cap) + 3;

  QPainterPath capPath;
  capPath.addText(left, top + leading + bodyMetrics.ascent(), initial, cap);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 160));
  p.drawPath(capPath.translated(1, 1));
  p.setBrush(QColor(206, 52, 38));
  p.drawPath(capPath);

  QTextLayout layout(text.mid(1), body);
  QTextOption option(Qt::AlignJustify);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal y = top;
  for (int n = 0;; ++n) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    const qreal indent = n < 2 ? capWidth : 0;
    line.setLineWidth(width - indent);
    line.setPosition(QPointF(left + indent, y));
    y += leading;
  }
  layout.endLayout();
  p.setPen(QColor(0, 0, 0, 170));
  layout.draw(&p, QPointF(0.8, 0.8));
  p.setPen(QColor(236, 224, 200));
  layout.draw(&p, QPointF(0, 0));
  return y;
}

}  // namespace

void drawHistory(QPainter& p) {
  drawPage(p);
  drawTitle(p);
  drawMasks(p);
  drawPortraits(p);
  qreal y = 58;
  for (const char* paragraph : kStory) y = setParagraph(p, QString::fromUtf8(paragraph), 101, y, 305) + 5;
  drawFold(p);
}

}  // namespace side
