// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "framework/canvas.h"

TEST(Canvas, IconMappingIsTheCeilingOfASeventh) {
  EXPECT_EQ(ceil_(30 / 7.0), 5);
  EXPECT_EQ(ceil_(240 / 7.0), 35);
  EXPECT_EQ(ceil_(35 / 7.0), 5);
  EXPECT_EQ(ceil_(-0.5), 0);
  EXPECT_EQ(trunc_(-1.9), -1);
  EXPECT_EQ(trunc_(109.99999), 109);
}

TEST(Canvas, PixelHelpersForgiveTheRoundingOfWholeNumbers) {
  const double s = 220 / (2.0 + 380 * (0.15 * 2 / 380) / 0.15);  // 55 up to rounding
  const struct {
    double v;
    int ceil, trunc;
  } cases[] = {
      {110 * 0.3 / 0.15, 220, 220},
      {22.000000000000004, 22, 22},
      {21.999999999999996, 22, 22},
      {s, 55, 55},
      {22.0000001, 23, 22},
      {-3.0000000000000004, -3, -3},
      {3.0001, 4, 3},
      {1e-17, 0, 0},
      {-42.5, -42, -42},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ceil_(c.v), c.ceil) << c.v;
    EXPECT_EQ(trunc_(c.v), c.trunc) << c.v;
  }
}

TEST(Canvas, StartsWhiteAndDrawsWithoutAntialiasing) {
  Canvas c;
  EXPECT_EQ(c.size(), QSize(455, 283));
  EXPECT_EQ(c.pixel(200, 100), colors::White);
  c.setPen(colors::Blue, 1);
  c.line(10, 50, 20, 50);
  EXPECT_EQ(c.pixel(10, 50), colors::Blue);
  EXPECT_EQ(c.pixel(19, 50), colors::Blue);
  EXPECT_EQ(c.pixel(20, 50), colors::White);  // the end point is left to the next segment
  EXPECT_EQ(c.pixel(15, 49), colors::White);
  EXPECT_EQ(c.pixel(15, 51), colors::White);
}

TEST(Canvas, AWideZeroLengthLineIsADot) {
  Canvas c;
  c.setPen(colors::Red, 3);
  c.dot(100, 100);
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) EXPECT_EQ(c.pixel(100 + dx, 100 + dy), colors::Red) << dx << dy;
  EXPECT_EQ(c.pixel(102, 100), colors::White);
  c.setPen(colors::Blue, 1);
  c.dot(50, 50);  // a thin zero-length line leaves nothing
  EXPECT_EQ(c.pixel(50, 50), colors::White);
}

TEST(Canvas, TextCellHasItsTopLeftAtThePoint) {
  Canvas c;
  c.setFont(fonts::Arial, 12, true);
  c.setFontColor(colors::Blue);
  c.setBrush(colors::Yellow);
  c.textOut(100, 40, "r(t)");
  EXPECT_EQ(c.pixel(100, 40), colors::Yellow);  // the cell starts exactly there
  EXPECT_EQ(c.pixel(99, 40), colors::White);
  EXPECT_EQ(c.pixel(100, 39), colors::White);
  bool ink = false;
  for (int x = 100; x < 130; ++x)
    for (int y = 40; y < 57; ++y) ink = ink || c.pixel(x, y).blue() > 200 && c.pixel(x, y).red() < 100;
  EXPECT_TRUE(ink);
}

TEST(Canvas, FillAndRectangleExcludeTheirRightAndBottomEdges) {
  Canvas c;
  c.setBrush(colors::Yellow);
  c.fillRect(10, 10, 20, 20);
  EXPECT_EQ(c.pixel(19, 19), colors::Yellow);
  EXPECT_EQ(c.pixel(20, 20), colors::White);
  c.setPen(colors::Blue, 1);
  c.ellipse(40, 40, 50, 50);
  EXPECT_EQ(c.pixel(45, 45), colors::Yellow);  // filled with the brush
}

TEST(Fonts, SymbolLettersBecomeGreek) {
  EXPECT_EQ(fonts::greek("Dj= j   - j"), QString::fromUtf8("Δφ= φ   - φ"));
  EXPECT_EQ(fonts::greek("w = "), QString::fromUtf8("ω = "));
  EXPECT_EQ(fonts::pointsToPixels(12), 16);
  EXPECT_EQ(fonts::pointsToPixels(10), 13);
  EXPECT_EQ(fonts::pointsToPixels(8), 11);
}

TEST(Canvas, PackedPixelsComeBackExactlyAndDrawingGoesOn) {
  Canvas c;
  EXPECT_FALSE(c.packed());
  c.pack();  // never drawn: nothing to pack, and still white
  EXPECT_FALSE(c.packed());
  EXPECT_EQ(c.pixel(454, 282), colors::White);
  c.setPen(colors::Red, 2);
  c.line(10, 10, 300, 200);
  c.setFontColor(colors::Navy);
  c.textOut(20, 240, QStringLiteral("ω = 1,5"));  // antialiased text: many shades
  const QImage before = c.image().copy();
  c.pack();
  ASSERT_TRUE(c.packed());
  EXPECT_EQ(c.image(), before);
  EXPECT_FALSE(c.packed());
  c.pack();
  c.setPen(colors::Blue, 1);
  c.line(0, 100, 50, 100);  // a packed canvas is drawn on as it was left
  EXPECT_EQ(c.pixel(25, 100), colors::Blue);
  EXPECT_EQ(c.pixel(150, 97), before.pixelColor(150, 97));
  // A wall is the made size again, however big the picture loaded before was.
  Canvas icon(QSize(65, 37));
  icon.load(QImage(455, 283, QImage::Format_RGB32));
  icon.loadWall();
  EXPECT_EQ(icon.size(), QSize(65, 37));
  EXPECT_EQ(icon.pixel(64, 36), colors::White);
}

// Short wide segments are stamped from Qt's own rasterisation: wherever they lie, at one or
// two device pixels per pixel, the bitmap must be the one Qt draws segment by segment.
// Thin rows and columns are written straight into the bitmap; they must be Qt's own pixels in
// every direction, clipped at the edges, among diagonal lines that Qt draws.
TEST(Canvas, ThinRowsAndColumnsAreQtsOwnPixels) {
  Canvas c;
  QImage reference(c.size(), QImage::Format_RGB32);
  reference.fill(Qt::white);
  QPainter p(&reference);
  std::uint32_t seed = 4321;
  const auto next = [&seed](int n) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
  };
  const QColor palette[] = {colors::Red, colors::MoneyGreen, colors::Purple, colors::Black};
  for (int i = 0; i < 3000; ++i) {
    const QPoint from(next(495) - 20, next(323) - 20);
    const int len = next(60) - 30, kind = next(3);
    const QPoint to = from + (kind == 0 ? QPoint(len, 0) : kind == 1 ? QPoint(0, len) : QPoint(len, next(9) - 4));
    const QColor color = palette[next(4)];
    c.setPen(color, 1);
    c.line(from.x(), from.y(), to.x(), to.y());
    QPen pen(color, 1);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    if (from != to) p.drawLine(from, to);
  }
  p.end();
  EXPECT_EQ(c.image(), reference);
}

TEST(Canvas, StampedWideLinesAreQtsOwnPixels) {
  for (const qreal ratio : {1.0, 2.0}) {
    display::setRatio(ratio);
    Canvas c;
    QImage reference(c.size() * ratio, QImage::Format_RGB32);
    reference.setDevicePixelRatio(ratio);
    reference.fill(Qt::white);
    QPainter p(&reference);
    std::uint32_t seed = 12345;
    const auto next = [&seed](int n) {
      seed = seed * 1664525u + 1013904223u;
      return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
    };
    const QColor palette[] = {colors::Red, colors::Blue, colors::Green, colors::Black};
    for (int i = 0; i < 4000; ++i) {
      const int width = 2 + next(4);
      const QPoint from(next(475) - 10, next(303) - 10), d = next(8) ? QPoint(next(17) - 8, next(17) - 8) : QPoint();
      const QColor color = palette[next(4)];
      c.setPen(color, width);
      c.line(from.x(), from.y(), from.x() + d.x(), from.y() + d.y());
      if (d.isNull()) {  // a dot: square up to three pixels wide, round from four
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        const QRect box(from - QPoint(width / 2, width / 2), QSize(width, width));
        width >= 4 ? p.drawEllipse(box) : p.drawRect(box);
        p.setBrush(Qt::NoBrush);
      } else {
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(from, from + d);
      }
    }
    p.end();
    EXPECT_EQ(c.image(), reference) << "ratio " << ratio;
  }
  display::setRatio(1.0);
}
