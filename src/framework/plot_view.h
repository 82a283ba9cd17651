// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image control that shows the top-left part of its canvas one to one and reports mouse
// moves with the held buttons and modifiers (the pointer readout works from those).
//
// A view that reports moves can also be read from the keyboard: it takes the focus by click
// or Tab, and the arrow keys (Shift: ten pixels), Home and End move a reading point that is
// reported exactly as a press of the left button at that pixel. A thin cross-hair marks the
// point read last while the plot is read from the keyboard (the focus came by Tab, or a key
// moved the point); it is painted over the shown bitmap and never drawn into the canvas. A
// mouse press, drag or release shows the bitmap alone: the pointer itself marks the point, and
// the window's own lines (its cross-hairs, measuring lines, level dashes) stay whole.
#include <QPointer>
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
  void setStretch(bool on) {
    stretch_ = on;
    update();
  }

  using MoveHandler = std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)>;
  // A handler makes the view a reading plot (pointer tracking and keyboard focus).
  void onMouseMove(MoveHandler h);
  bool reads() const { return static_cast<bool>(move_); }

  // Where the keyboard reading starts when nothing was read yet (the plot's origin).
  void setOrigin(QPoint p) { origin_ = p; }
  QPoint origin() const { return origin_; }
  // The point read last (the cross-hair's), if any.
  bool hasReadingPoint() const { return hasPoint_; }
  QPoint readingPoint() const { return point_; }
  bool crossHairShown() const;
  // The visible part of the canvas: the pixels a reading point may take.
  QRect readingArea() const;

  // The window's readout tells whether the point just reported was read (it becomes the
  // reading point, the readout is live) or the reading was frozen.
  void readingShown();
  void readingLocked();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void report(Qt::MouseButtons b, Qt::KeyboardModifiers m, QPoint at);
  QPoint clamped(QPoint p) const;

  Canvas canvas_;
  MoveHandler move_;
  bool stretch_ = false;
  QPoint origin_{0, 0};
  QPointer<QWidget> typedInto_;
  bool watchingFocus_ = false;  // the box that had the focus before the plot
  QPoint pending_;              // the point being reported
  QPoint point_;
  bool hasPoint_ = false;
  bool live_ = false;    // the readout follows this view (drag or keys) and is not frozen
  bool byKeys_ = false;  // the reading is the keyboard's (Tab or a key), not the mouse's
};
