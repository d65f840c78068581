// board_widgets.cpp: drawing the board and its pictures, collecting pointer events.
#include "board_widgets.h"

#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

QPixmap LoadPicture(const QString& name) {
  const QString base = ":/pictures/" + name;
  if (qApp && qApp->devicePixelRatio() > 1.0 && QFile::exists(base + "@2x.png")) {
    QPixmap twice(base + "@2x.png", "PNG");
    if (!twice.isNull()) {
      twice.setDevicePixelRatio(2.0);
      return twice;
    }
  }
  return QPixmap(base + ".png", "PNG");
}

void PictureBox::SetPicture(const QPixmap& picture) {
  // Both are often null (an empty pit); comparing keys spares a repaint.
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(QPoint(0, 0), picture_);
}

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::paintEvent(QPaintEvent* e) {
  QPainter painter(this);
  painter.fillRect(e->rect(), Qt::black);
  if (!board_.isNull()) painter.drawPixmap(QPoint(0, 0), board_);
  if (!painted_) {
    painted_ = true;
    // The frame reaches the screen when this paint returns; whatever waits
    // for it runs from the event loop just after.
    if (onFirstPaint) QTimer::singleShot(0, this, [this] { onFirstPaint(); });
  }
}

void BoardSurface::Forward(QMouseEvent* e) {
  e->accept();
  if (onMouse) onMouse(e);
}
