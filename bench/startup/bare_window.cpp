// bare_window.cpp: the yardstick for the start-up benchmark: a Qt window with one label and nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("WELCOME TO WIRANGGA"));
  label.resize(429, 403);
  label.show();
  return app.exec();
}
