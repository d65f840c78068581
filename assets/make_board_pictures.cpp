// make_board_pictures.cpp: placeholder pictures of the right sizes (to be drawn properly).
#include <QGuiApplication>
#include <QImage>
#include <QString>

static void save(const QString& dir, const char* name, int w, int h, QColor c) {
  for (int scale : {1, 2}) {
    QImage img(w * scale, h * scale, QImage::Format_ARGB32);
    img.fill(c);
    img.save(dir + "/" + name + (scale == 2 ? "@2x.png" : ".png"));
  }
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QString dir = argv[1];
  save(dir, "board", 430, 407, Qt::darkGray);
  save(dir, "stone1", 44, 44, Qt::lightGray);
  save(dir, "stone2", 44, 44, Qt::red);
  save(dir, "stone3", 44, 44, Qt::darkRed);
  save(dir, "stone4", 44, 44, Qt::blue);
  save(dir, "dez", 65, 90, Qt::red);
  save(dir, "icon", 32, 32, Qt::yellow);
  return 0;
}
