// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// On a high-density screen the plots are drawn with more device pixels, but what a student
// reads off them must not move: the same window at ratio 2 holds the same logical picture.
#include "pictures/pixel_ratio.h"
#include "integrating_fixture.h"

namespace {
QImage logicalPixels(PlotView* v) {
  const QSize s = v->canvas().size();
  QImage out(s, QImage::Format_RGB32);
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) out.setPixel(x, y, v->canvas().pixel(x, y).rgb());
  return out;
}
}  // namespace

TEST_F(Integrating, APlotAtRatioTwoHoldsTheSameLogicalPicture) {
  const QImage one = logicalPixels(openStep(50)->plot());
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();

  display::setRatio(2);
  auto* w = openStep(50);
  display::setRatio(1);
  EXPECT_EQ(w->plot()->canvas().image().size(), 2 * w->plot()->canvas().size());
  const QImage two = logicalPixels(w->plot());
  ASSERT_EQ(one.size(), two.size());
  // Axes, the step and the response land on the very same pixels; only the smoothed glyphs
  // of the labels (title on top, tick labels left, curve names right) differ at the finer
  // raster, so the field between them must match but for a stray end pixel of a wide pen.
  int differing = 0;
  for (int y = 16; y < one.height(); ++y)
    for (int x = 25; x < 366; ++x) differing += one.pixel(x, y) != two.pixel(x, y);
  EXPECT_LE(differing, 4);
  for (const QPoint p : {QPoint(30, 135), QPoint(20, 240), QPoint(30, 100), QPoint(200, 20)})
    EXPECT_EQ(w->plot()->canvas().pixel(p.x(), p.y()), QColor(one.pixel(p))) << p.x() << "," << p.y();
}
