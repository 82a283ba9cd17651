// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include "framework/canvas.h"

// Designed on a 256 grid, the same coordinates as data/lumeq.svg.
QImage programIconImage(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, size > 16);
  p.scale(size / 256.0, size / 256.0);
  p.setPen(QPen(QColor(0x1F, 0x3A, 0x93), 8));
  p.setBrush(colors::SkyBlue);
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);
  // Axes.
  p.setPen(QPen(Qt::black, 12, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(QPointF(52, 36), QPointF(52, 212));
  p.drawLine(QPointF(40, 200), QPointF(228, 200));
  // The input step in red, the response with its overshoot in blue.
  p.setPen(QPen(colors::Red, 12, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(58, 96), QPointF(222, 96));
  QPainterPath r(QPointF(58, 194));
  r.cubicTo(QPointF(84, 120), QPointF(100, 52), QPointF(128, 60));
  r.cubicTo(QPointF(154, 68), QPointF(164, 104), QPointF(186, 100));
  r.cubicTo(QPointF(200, 98), QPointF(210, 96), QPointF(222, 96));
  p.setPen(QPen(colors::Blue, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(r);
  return img;
}

namespace {
// Drawn at the size asked for, when asked: the program keeps no icon bitmaps of its own.
class ProgramIconEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    const int side = std::min(rect.width(), rect.height());
    if (side > 0) painter->drawImage(QRect(rect.topLeft(), QSize(side, side)), programIconImage(side));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::max(1, std::min(size.width(), size.height()));
    return QPixmap::fromImage(programIconImage(side));
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min(size.width(), size.height());
    return {side, side};
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
  }
  QIconEngine* clone() const override { return new ProgramIconEngine; }
};
}  // namespace

QIcon programIcon() { return QIcon(new ProgramIconEngine); }
