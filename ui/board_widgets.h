// board_widgets.h: the board surface of the main window and its picture controls.
#pragma once

#include <functional>

#include <QPixmap>
#include <QWidget>

// Loads an embedded picture, taking its "@2x" twin on a high-DPI screen.
// A picture that cannot be read comes back null and is simply not drawn.
QPixmap LoadPicture(const QString& name);

// An image control: draws its picture at its top-left corner at the
// picture's own size, and nothing else, so the board shows through wherever
// the picture is transparent or there is none. It never takes pointer
// events itself; the board surface hit-tests for it.
class PictureBox : public QWidget {
public:
  explicit PictureBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }

protected:
  void paintEvent(QPaintEvent*) override;

private:
  QPixmap picture_;
};

// The client area: black, with the board picture at (0, 0) cut at the
// edges. Every pointer event over it arrives here, whichever control lies
// under the pointer, and is handed on to whoever listens.
class BoardSurface : public QWidget {
public:
  explicit BoardSurface(QWidget* parent);
  void SetBoard(const QPixmap& board) { board_ = board; }

  std::function<void(QMouseEvent*)> onMouse;  // press, double-click, move, release
  std::function<void()> onFirstPaint;         // once, after the first frame is drawn

protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override { Forward(e); }
  void mouseDoubleClickEvent(QMouseEvent* e) override { Forward(e); }
  void mouseMoveEvent(QMouseEvent* e) override { Forward(e); }
  void mouseReleaseEvent(QMouseEvent* e) override { Forward(e); }

private:
  void Forward(QMouseEvent* e);

  QPixmap board_;
  bool painted_ = false;
};
