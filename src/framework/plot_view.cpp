#include "plot_view.h"

#include <QMouseEvent>
#include <QPainter>

PlotView::PlotView(QWidget* parent, const QRect& geometry, QSize canvasSize) : QWidget(parent), canvas_(canvasSize) {
  setGeometry(geometry);
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.setOnChange([this] { update(); });
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (stretch_)
    p.drawImage(rect(), canvas_.image());
  else
    p.drawImage(0, 0, canvas_.image());
}

void PlotView::mouseMoveEvent(QMouseEvent* e) {
  if (move_) move_(e->buttons(), e->modifiers(), e->position().toPoint().x(), e->position().toPoint().y());
}

void PlotView::mousePressEvent(QMouseEvent* e) {
  // A press is the first point of a drag: read it at once.
  if (move_) move_(e->buttons(), e->modifiers(), e->position().toPoint().x(), e->position().toPoint().y());
}
