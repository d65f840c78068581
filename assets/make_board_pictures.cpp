// make_board_pictures.cpp: draws the main window's pictures (board, stones, Dez's face, icon) at one and two times their size.
//
// Usage: make_board_pictures <outdir>. Everything is vector drawing with a
// fixed-seed random source and fonts loaded from files, so each run writes
// the same bytes.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdio>
#include <functional>

#include "board_faces.h"
#include "board_kit.h"
#include "board_picture.h"
#include "board_stones.h"

namespace {

using boardpics::StoneLook;

struct Picture {
  const char* name;
  int width;
  int height;
  std::function<void(QPainter&)> draw;
  bool sixteenColours = false;
};

QImage render(const Picture& picture, int scale) {
  QImage image(picture.width * scale, picture.height * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(scale, scale);
  picture.draw(p);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

// ------------------------------------------------------- 16 colours ----

// Index 0 is transparent: pixels less than half covered become holes, the
// rest take the nearest of the icon's fifteen colours.
QImage toSixteenColours(const QImage& argb) {
  QList<QRgb> table{qRgba(0, 0, 0, 0)};
  for (QRgb c : boardpics::iconPalette()) table.push_back(c);

  QImage out(argb.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb c = argb.pixel(x, y);
      int best = 0;
      if (qAlpha(c) >= 128) {
        long bestDistance = -1;
        for (int i = 1; i < table.size(); ++i) {
          const long dr = qRed(c) - qRed(table[i]), dg = qGreen(c) - qGreen(table[i]),
                     db = qBlue(c) - qBlue(table[i]);
          // Weighted towards green, as the eye is.
          const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
          if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
          }
        }
      }
      out.setPixel(x, y, static_cast<uint>(best));
    }
  return out;
}

bool loadFonts(boardpics::Fonts& fonts) {
  const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
  const char* files[] = {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSans.ttf",
                         "DejaVuSans-Bold.ttf"};
  QStringList families;
  for (const char* file : files) {
    const int id = QFontDatabase::addApplicationFont(dir + QString::fromLatin1(file));
    if (id < 0) {
      std::fprintf(stderr, "make_board_pictures: cannot load the font %s%s\n",
                   qPrintable(dir), file);
      return false;
    }
    families.push_back(QFontDatabase::applicationFontFamilies(id).value(0));
  }
  fonts.serif = families[0];
  fonts.sans = families[2];
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_board_pictures <outdir>\n");
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  if (!QDir(outDir).exists()) {
    std::fprintf(stderr, "make_board_pictures: no folder %s\n", argv[1]);
    return 1;
  }
  boardpics::Fonts fonts;
  if (!loadFonts(fonts)) return 1;
  boardpics::setFonts(fonts);

  const std::array<Picture, 7> pictures = {{
      {"board", 430, 407, boardpics::drawBoard},
      {"stone1", 44, 44, [](QPainter& p) { boardpics::drawStone(p, StoneLook::Plain); }},
      {"stone2", 44, 44, [](QPainter& p) { boardpics::drawStone(p, StoneLook::Lit); }},
      {"stone3", 44, 44, [](QPainter& p) { boardpics::drawStone(p, StoneLook::Pressed); }},
      {"stone4", 44, 44, [](QPainter& p) { boardpics::drawStone(p, StoneLook::Chosen); }},
      {"dez", 65, 90, boardpics::drawDez},
      {"icon", 32, 32, boardpics::drawIconFace, true},
  }};
  for (const Picture& picture : pictures) {
    for (int scale : {1, 2}) {
      QImage image = render(picture, scale);
      if (picture.sixteenColours) image = toSixteenColours(image);
      const QString file = QStringLiteral("%1/%2%3.png")
                               .arg(outDir, QString::fromLatin1(picture.name),
                                    scale == 2 ? QStringLiteral("@2x") : QString());
      if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "make_board_pictures: cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
  }
  return 0;
}
