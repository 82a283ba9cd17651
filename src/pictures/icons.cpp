// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"

#include <QPainterPath>
#include <QPolygonF>

namespace pictures::catalogue {

namespace {

const QColor kTick(0x80, 0x00, 0xFF);
const QColor kStepArrow(0xFF, 0x00, 0x00);
// One grey for every disabled state so the icons fade alike.
const QColor kDisabled(0xA0, 0xA0, 0xA0);

void paintTick(draw::Diagram& d, const QColor& colour) {
  QPainter& p = d.painter();
  QPainterPath path(QPointF(4, 10.5));
  path.lineTo(8.5, 15);
  path.lineTo(16, 4.5);
  p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// A block arrow filling the 16 px square: triangular head, square shaft.
void paintStepArrow(draw::Diagram& d, const QColor& colour, bool left) {
  QPolygonF shape({{1, 8}, {8, 1}, {8, 5}, {15, 5}, {15, 11}, {8, 11}, {8, 15}});
  if (!left)
    for (QPointF& pt : shape) pt.setX(16 - pt.x());
  QPainter& p = d.painter();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(shape);
}

Entry icon(const QString& name, QSize size, std::function<void(draw::Diagram&)> paint) {
  return {name, size, Qt::transparent, draw::Style::button(), std::move(paint)};
}

}  // namespace

std::vector<Entry> icons() {
  return {
      icon(QStringLiteral("check"), QSize(20, 20), [](draw::Diagram& d) { paintTick(d, kTick); }),
      icon(QStringLiteral("check_disabled"), QSize(20, 20), [](draw::Diagram& d) { paintTick(d, kDisabled); }),
      icon(QStringLiteral("arrow_left"), QSize(16, 16), [](draw::Diagram& d) { paintStepArrow(d, kStepArrow, true); }),
      icon(QStringLiteral("arrow_left_disabled"), QSize(16, 16),
           [](draw::Diagram& d) { paintStepArrow(d, kDisabled, true); }),
      icon(QStringLiteral("arrow_right"), QSize(16, 16),
           [](draw::Diagram& d) { paintStepArrow(d, kStepArrow, false); }),
      icon(QStringLiteral("arrow_right_disabled"), QSize(16, 16),
           [](draw::Diagram& d) { paintStepArrow(d, kDisabled, false); }),
  };
}

}  // namespace pictures::catalogue
