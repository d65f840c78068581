// make_side_pictures.cpp: draws the history, victory and about pictures, each at 1x and 2x, into a folder.
#include "side_art.h"
#include "side_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace {

struct Picture {
  const char* name;
  int width;
  int height;
  void (*draw)(QPainter&);
};

const Picture kPictures[] = {
    {"history", 499, 348, side::drawHistory},
    {"victory", 529, 264, side::drawVictory},
    {"about", 352, 308, side::drawAbout},
};

bool render(const QString& dir, const Picture& picture, int scale) {
  QImage image(picture.width * scale, picture.height * scale, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    picture.draw(p);
  }
  const QString file = dir + "/" + picture.name + (scale == 2 ? "@2x.png" : ".png");
  if (!image.save(file, "PNG")) {
    std::fprintf(stderr, "make_side_pictures: cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_side_pictures <folder>\n");
    return 2;
  }
  if (!side::loadFonts()) return 1;
  const QString dir = QString::fromLocal8Bit(argv[1]);
  for (const Picture& picture : kPictures)
    for (int scale : {1, 2})
      if (!render(dir, picture, scale)) return 1;
  return 0;
}
