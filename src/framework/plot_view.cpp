// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

PlotView::PlotView(QWidget* parent, const QRect& geometry, QSize canvasSize) : QWidget(parent), canvas_(canvasSize) {
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.setOnChange([this] { update(); });
}

void PlotView::onMouseMove(MoveHandler h) {
  move_ = std::move(h);
  setMouseTracking(reads());
  setFocusPolicy(reads() ? Qt::StrongFocus : Qt::NoFocus);
  if (reads() && !watchingFocus_) {
    watchingFocus_ = true;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
      if (now == this && old && old != this && window() == old->window()) typedInto_ = old;
    });
  }
  if (reads() && accessibleName().isEmpty()) setAccessibleName(QCoreApplication::translate("framework", "График"));
}

QRect PlotView::readingArea() const {
  return QRect(0, 0, std::min(width(), canvas_.size().width()), std::min(height(), canvas_.size().height()));
}

bool PlotView::crossHairShown() const { return byKeys_ && hasPoint_ && !stretch_ && (live_ || hasFocus()); }

void PlotView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (stretch_)
    p.drawImage(rect(), canvas_.image());
  else
    p.drawImage(0, 0, canvas_.image());
  if (crossHairShown()) {
    const QRect a = readingArea();
    p.setPen(QPen(QColor(0x80, 0x00, 0x80), 1, Qt::DashLine));
    p.drawLine(point_.x(), a.top(), point_.x(), a.bottom());
    p.drawLine(a.left(), point_.y(), a.right(), point_.y());
  }
}

void PlotView::report(Qt::MouseButtons b, Qt::KeyboardModifiers m, QPoint at) {
  if (!move_) return;
  pending_ = at;
  move_(b, m, at.x(), at.y());
}

QPoint PlotView::clamped(QPoint p) const {
  // The point stays on the visible bitmap; the window clamps it further as it does a pointer.
  const QRect a = readingArea();
  return {std::clamp(p.x(), a.left(), a.right()), std::clamp(p.y(), a.top(), a.bottom())};
}

void PlotView::readingShown() {
  point_ = pending_;
  hasPoint_ = true;
  live_ = true;
  update();
}

void PlotView::readingLocked() {
  live_ = false;
  update();
}

void PlotView::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() != Qt::NoButton) byKeys_ = false;
  report(e->buttons(), e->modifiers(), e->position().toPoint());
}

void PlotView::mousePressEvent(QMouseEvent* e) {
  // A press is the first point of a drag: read it at once.
  byKeys_ = false;
  report(e->buttons(), e->modifiers(), e->position().toPoint());
}

void PlotView::mouseReleaseEvent(QMouseEvent* e) {
  // The mouse's reading ends without a cross-hair, whether or not the pointer moves on.
  byKeys_ = false;
  update();
  QWidget::mouseReleaseEvent(e);
}

void PlotView::keyPressEvent(QKeyEvent* e) {
  const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
  if (!reads() || (m != Qt::NoModifier && m != Qt::ShiftModifier)) return QWidget::keyPressEvent(e);
  const int step = m == Qt::ShiftModifier ? 10 : 1;
  const QRect a = readingArea();
  QPoint p = hasPoint_ ? point_ : origin_;
  switch (e->key()) {
    case Qt::Key_Left:
      p.rx() -= step;
      break;
    case Qt::Key_Right:
      p.rx() += step;
      break;
    case Qt::Key_Up:
      p.ry() -= step;
      break;
    case Qt::Key_Down:
      p.ry() += step;
      break;
    case Qt::Key_Home:
      p.setX(a.left());
      break;
    case Qt::Key_End:
      p.setX(a.right());
      break;
    default:
      // Typing goes on where it was typed before the plot took the focus with a click or
      // Tab: a reading followed by the answer works as it always did.
      if ((!e->text().isEmpty() && e->text().at(0).isPrint()) || e->key() == Qt::Key_Return ||
          e->key() == Qt::Key_Enter) {
        if (QWidget* back = typedInto_.data(); back && back->isVisible() && back->isEnabled()) {
          back->setFocus(Qt::OtherFocusReason);
          QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), e->count());
          QCoreApplication::sendEvent(back, &copy);
          return;
        }
      }
      return QWidget::keyPressEvent(e);
  }
  byKeys_ = true;
  report(Qt::LeftButton, Qt::NoModifier, clamped(p));
  e->accept();
}

void PlotView::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  // Tab brings the reading back where it was (or to the origin); a click reads where it lands.
  if (reads() && (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason)) {
    byKeys_ = true;
    report(Qt::LeftButton, Qt::NoModifier, clamped(hasPoint_ ? point_ : origin_));
  }
  update();
}

void PlotView::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  // Leaving freezes the last reading, as releasing the mouse button does (a window that
  // ignores the move, e.g. one that started over meanwhile, leaves no live cross-hair either).
  if (live_) report(Qt::NoButton, Qt::NoModifier, point_);
  live_ = false;
  update();
}
