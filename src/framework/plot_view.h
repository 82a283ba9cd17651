#pragma once
// An image control that shows the top-left part of its canvas one to one and reports mouse
// moves with the held buttons and modifiers (the pointer readout works from those).
#include <QWidget>
#include <functional>

#include "canvas.h"

class PlotView : public QWidget {
  Q_OBJECT
 public:
  // The canvas is "wall" sized (455 x 283) unless told otherwise; the view may be smaller.
  PlotView(QWidget* parent, const QRect& geometry, QSize canvasSize = {455, 283});
  Canvas& canvas() { return canvas_; }
  // Stretch the canvas to the view instead of showing it 1:1 (diagram pictures only).
  void setStretch(bool on) { stretch_ = on; update(); }

  using MoveHandler = std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)>;
  void onMouseMove(MoveHandler h) { move_ = std::move(h); setMouseTracking(static_cast<bool>(move_)); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  Canvas canvas_;
  MoveHandler move_;
  bool stretch_ = false;
};
