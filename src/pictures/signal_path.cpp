// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The signal paths of the block diagrams: a row of blocks and junctions laid out along one
// line, and the unity-feedback loop built from it.
#include "pictures/diagram.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace pictures::draw {
// ---------------------------------------------------------------- Row

Row::Row(Diagram& d, qreal y) : d_(d), y_(Diagram::snap(y)) {}

Row& Row::add(Node kind, const Block& b, int* id) {
  Item it{kind, b, 0, 0};
  if (kind == Node::Sum)
    it.width = 2 * d_.style().sumRadius;
  else if (kind == Node::Box)
    it.width = d_.blockSize(b).width();
  if (!nodes_.empty()) pending();
  nodes_.push_back(it);
  if (id) *id = last();
  return *this;
}

Row::Segment& Row::pending() {
  // Segment i follows node i; it is created when first named or when node i + 1 arrives.
  if (segments_.size() < nodes_.size()) segments_.push_back(Segment{QString(), kInkColour, 0.5, 1, 0, 0});
  return segments_.back();
}

Row& Row::input(const QString& letter, const QColor& colour) {
  add(Node::Start, Block(), nullptr);
  return label(letter, colour);
}

Row& Row::output(const QString& letter, const QColor& colour) {
  add(Node::End, Block(), nullptr);
  if (count() > 1) {
    segments_.back().label = letter;
    segments_.back().colour = colour;
  }
  return *this;
}

Row& Row::sum(int* id) { return add(Node::Sum, Block(), id); }
Row& Row::block(const Block& b, int* id) { return add(Node::Box, b, id); }
Row& Row::branch(int* id) { return add(Node::Branch, Block(), id); }

Row& Row::label(const QString& markup, const QColor& colour, qreal where) {
  Segment& s = pending();
  s.label = markup;
  s.colour = colour;
  s.where = where;
  return *this;
}

Row& Row::stretch(qreal weight) {
  pending().stretch = weight;
  return *this;
}

Row& Row::minLength(qreal length) {
  pending().minLength = length;
  return *this;
}

void Row::setStretch(int segment, qreal weight) { segments_.at(size_t(segment)).stretch = weight; }
void Row::setLabelPosition(int segment, qreal where) { segments_.at(size_t(segment)).where = where; }

bool Row::hasHead(int segment) const { return nodes_.at(size_t(segment + 1)).kind != Node::Branch; }

qreal Row::segmentMinimum(int i) const {
  const Segment& s = segments_[size_t(i)];
  qreal m = std::max(s.minLength, d_.style().minArrow);
  if (!s.label.isEmpty()) {
    // The label sits over the shaft, clear of the arrow head.
    const Formula f(s.label, d_.style().letterSize);
    m = std::max(m, f.width() + 4 + (hasHead(i) ? d_.style().headLength : 0));
  }
  return m;
}

qreal Row::minimumWidth() const {
  qreal need = 0;
  for (const Item& it : nodes_) need += it.width;
  for (int i = 0; i + 1 < count(); ++i) need += segmentMinimum(i);
  return need;
}

bool Row::fit(qreal left, qreal right) {
  // A label or stretch given after the last node has no segment to go to.
  segments_.resize(nodes_.empty() ? 0 : nodes_.size() - 1);

  boxHeight_ = 0;
  for (Item& it : nodes_)
    if (it.kind == Node::Box) boxHeight_ = std::max(boxHeight_, d_.blockSize(it.block).height());
  if (boxHeight_ > 0) boxHeight_ = std::max(boxHeight_, 2 * std::ceil(d_.style().minBoxHeight / 2));

  const qreal need = minimumWidth();
  qreal weights = 0;
  for (const Segment& s : segments_) weights += s.stretch;
  const qreal spare = (right - left) - need;
  bool ok = spare >= 0;
  if (!ok) d_.reportProblem(QStringLiteral("row needs %1 px but has %2").arg(need).arg(right - left));
  qreal x = left;
  for (int i = 0; i < count(); ++i) {
    Item& it = nodes_[size_t(i)];
    it.x = Diagram::snap(x);
    x = it.x + it.width;
    if (i < int(segments_.size())) {
      Segment& s = segments_[size_t(i)];
      s.length = segmentMinimum(i) + (ok && weights > 0 ? spare * s.stretch / weights : 0);
      x += s.length;
    }
  }
  return ok;
}

QRectF Row::rect(int id) const {
  const Item& it = nodes_.at(size_t(id));
  switch (it.kind) {
    case Node::Box:
      return QRectF(it.x, y_ - boxHeight_ / 2, it.width, boxHeight_);
    case Node::Sum: {
      const qreal r = d_.style().sumRadius;
      return QRectF(it.x, y_ - r, 2 * r, 2 * r);
    }
    default:
      return QRectF(it.x, y_, 0, 0);
  }
}

QPointF Row::centre(int id) const { return rect(id).center(); }
QPointF Row::top(int id) const { return QPointF(centre(id).x(), rect(id).top()); }
QPointF Row::bottom(int id) const { return QPointF(centre(id).x(), rect(id).bottom()); }
QPointF Row::leftPort(int id) const { return QPointF(rect(id).left(), y_); }
QPointF Row::rightPort(int id) const { return QPointF(rect(id).right(), y_); }

void Row::draw() {
  for (int i = 0; i + 1 < count(); ++i) {
    const QPointF a = rightPort(i);
    const QPointF b = leftPort(i + 1);
    if (hasHead(i))
      d_.arrow(a, b);
    else
      d_.line(a, b);
    const Segment& s = segments_[size_t(i)];
    if (!s.label.isEmpty()) {
      const qreal shaftEnd = b.x() - (hasHead(i) ? d_.style().headLength : 0);
      const qreal cx = a.x() + (shaftEnd - a.x()) * s.where;
      d_.label(s.label, QPointF(cx, y_ - d_.style().labelGap - d_.style().lineWidth / 2),
               Qt::AlignHCenter | Qt::AlignBottom, s.colour);
    }
  }
  for (int i = 0; i < count(); ++i) {
    const Item& it = nodes_[size_t(i)];
    if (it.kind == Node::Box)
      d_.box(rect(i), it.block);
    else if (it.kind == Node::Sum)
      d_.sum(centre(i));
    else if (it.kind == Node::Branch)
      d_.dot(centre(i));
  }
}

void Row::fromAbove(int id, const QString& letter, const QColor& colour, qreal topY, Qt::AlignmentFlag side) {
  const QPointF to = top(id);
  d_.arrow(QPointF(to.x(), topY), to);
  const qreal gap = d_.style().labelGap + 1;
  const QPointF anchor(side == Qt::AlignLeft ? to.x() - gap : to.x() + gap, topY);
  d_.label(letter, anchor, (side == Qt::AlignLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop, colour);
}

void Row::feedback(int from, int to, qreal y) {
  const bool below = y > y_;
  const QPointF start = nodes_.at(size_t(from)).kind == Node::Branch ? centre(from) : below ? bottom(from) : top(from);
  const QPointF end = below ? bottom(to) : top(to);
  const qreal level = Diagram::snap(y);
  d_.arrow({start, QPointF(start.x(), level), QPointF(end.x(), level), end});
}

void Row::note(int id, const QString& text) {
  const QRectF r = rect(id);
  d_.words(text, QPointF(r.center().x(), r.top() - d_.style().labelGap), Qt::AlignHCenter | Qt::AlignBottom);
}

// ---------------------------------------------------------------- Loop

Loop::Loop(Diagram& d, qreal y, const QList<Part>& parts, const QString& error) : row(d, y), parts_(parts) {
  row.input().sum(&input);
  if (!error.isEmpty()) row.label(error);
  for (const Part& p : parts) {
    int id = -1;
    switch (p.kind) {
      case Part::Kind::Box:
        row.block(p.block, &id);
        break;
      case Part::Kind::Sum:
        row.sum(&id);
        break;
      case Part::Kind::Branch:
        row.branch(&id);
        break;
    }
    ids.push_back(id);
  }
  row.branch(&output).output();
}

void Loop::draw(qreal left, qreal right, qreal feedbackY, qreal disturbanceTop) {
  row.fit(left, right);
  row.draw();
  row.feedback(output, input, feedbackY);
  for (int i = 0; i < parts_.size(); ++i)
    if (parts_[i].kind == Part::Kind::Sum && !parts_[i].letter.isEmpty())
      row.fromAbove(ids[size_t(i)], parts_[i].letter, kDisturbanceColour, disturbanceTop);
}

}  // namespace pictures::draw
