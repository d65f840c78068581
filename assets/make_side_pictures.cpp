// make_side_pictures.cpp: placeholder pictures of the right sizes (to be drawn properly).
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
  save(dir, "history", 499, 348, Qt::black);
  save(dir, "victory", 529, 264, Qt::darkMagenta);
  save(dir, "about", 352, 308, Qt::darkBlue);
  return 0;
}
