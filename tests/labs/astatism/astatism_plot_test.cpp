// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the response windows draw, checked at the pixels where the recipe puts things.
#include "astatism_fixture.h"

namespace {

bool inkIn(PlotView* v, const QRect& r, const QColor& c) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (px(v, x, y) == c) return true;
  return false;
}
bool anyInk(PlotView* v, const QRect& r) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (px(v, x, y) != colors::White) return true;
  return false;
}
// Topmost row of the curve between two columns.
int topOfCurve(PlotView* v, int from, int to) {
  for (int y = 0; y < 241; ++y)
    for (int x = from; x <= to; ++x)
      if (px(v, x, y) == colors::Blue) return y;
  return -1;
}

}  // namespace

class ResponsePlot : public AstatismTest {};

TEST_F(ResponsePlot, Form19_3ReferenceStep) {
  script({250, 250});
  auto* w = dynamic_cast<astatism::ResponseWindow*>(start("Form19_3"));
  ASSERT_TRUE(w);
  PlotView* p = w->Image1;
  // Value ticks 0, 0.2 .. 1 every 40 rows from the axis up, each with its label left of it.
  for (int row = 220; row >= 20; row -= 40) {
    SCOPED_TRACE(row);
    if (row != 220) EXPECT_EQ(px(p, 27, row), colors::Black);  // the origin's lies under the input
    EXPECT_TRUE(anyInk(p, QRect(0, row - 8, 24, 12)));
  }
  EXPECT_TRUE(anyInk(p, QRect(25, 226, 6, 11)));  // "0" under the origin
  EXPECT_EQ(px(p, 30, 224), colors::Black);       // value axis below the step's jump
  EXPECT_EQ(px(p, 30, 100), colors::Red);         // the jump of the step at t = 0
  EXPECT_EQ(px(p, 300, 220), colors::Black);      // time axis
  // The reference steps to 1 (row 20) in red; r(t) settles at 0.5 (row 120) in blue.
  EXPECT_EQ(px(p, 200, 20), colors::Red);
  EXPECT_EQ(px(p, 20, 220), colors::Red);  // the input before t = 0
  EXPECT_TRUE(near(p, 375, 120, colors::Blue, 1));
  EXPECT_NEAR(topOfCurve(p, 40, 375), 115, 1);  // damping 0.707: about 4 % over 0.5
  // The icons at 1/8 scale: axes, the input at row 3, the output settling at row 15.
  EXPECT_EQ(px(w->Image3, 4, 10), colors::Red);  // the jump, over the icon's axis
  EXPECT_EQ(px(w->Image3, 30, 28), colors::Black);
  EXPECT_TRUE(near(w->Image3, 30, 3, colors::Red, 0));
  EXPECT_TRUE(near(w->Image4, 47, 15, colors::Blue, 1));
}

TEST_F(ResponsePlot, Form19_4DisturbanceStep) {
  script({250, 250});
  auto* w = dynamic_cast<astatism::ResponseWindow*>(start("Form19_4"));
  PlotView* p = w->Image1;
  // f(t) = 1 at row 20 and its mirror -f(t) at row 220, both fuchsia; r(t) falls to -0.5.
  EXPECT_EQ(px(p, 200, 20), colors::Fuchsia);
  EXPECT_EQ(px(p, 200, 220), colors::Fuchsia);
  EXPECT_TRUE(near(p, 375, 170, colors::Blue, 1));
  EXPECT_GT(topOfCurve(p, 40, 375), 119);  // never above the axis
  for (int i = 20; i <= 100; i += 20) {
    SCOPED_TRACE(i);
    EXPECT_EQ(px(p, 27, 120 - i), colors::Black);
    EXPECT_EQ(px(p, 27, 120 + i), colors::Black);
    EXPECT_TRUE(anyInk(p, QRect(0, 120 + i - 8, 24, 12)));  // 0, -0.2 .. -1
  }
  EXPECT_FALSE(anyInk(p, QRect(25, 126, 4, 11)));  // no time label at the origin
  EXPECT_TRUE(anyInk(p, QRect(75, 126, 6, 11)));   // the first one at 50 pixels
  // The input icon beside "F": axis row 15, f at row 3.
  EXPECT_EQ(px(w->Image3, 20, 15), colors::Black);
  EXPECT_TRUE(near(w->Image3, 30, 3, colors::Fuchsia, 0));
  EXPECT_TRUE(near(w->Image4, 47, 22, colors::Blue, 1));
}

TEST_F(ResponsePlot, Form20_3RaisesItsInputLabel) {
  script({499, 200});  // overshoots to about 1.35 (row 31)
  auto* w = dynamic_cast<astatism::ResponseWindow*>(start("Form20_3"));
  const auto l = w->lastTrace()->closingLabels();
  EXPECT_EQ(l.input.y, 60);  // 20 rows above the level 1 at row 80
  EXPECT_TRUE(textIn(w->Image1, QRect(l.input.x, 60, 25, 14), colors::Red));
  EXPECT_FALSE(textIn(w->Image1, QRect(l.input.x + 4, 82, 20, 12), colors::Red));
  EXPECT_NEAR(topOfCurve(w->Image1, 40, 380), 31, 2);
  EXPECT_TRUE(near(w->Image1, 375, 80, colors::Blue, 1));
}

TEST_F(ResponsePlot, Form20_4TicksIconRowAndRaisedOutputLabel) {
  script({300, 300});
  auto* w = dynamic_cast<astatism::ResponseWindow*>(start("Form20_4"));
  PlotView* p = w->Image1;
  for (int i = 12; i <= 141; i += 12) {
    SCOPED_TRACE(i);
    EXPECT_EQ(px(p, 27, 80 + i), colors::Black);
    if (80 - i >= 0) EXPECT_EQ(px(p, 27, 80 - i), colors::Black);
  }
  EXPECT_EQ(px(w->Image3, 20, 10), colors::Black);
  EXPECT_EQ(px(w->Image4, 20, 10), colors::Black);
  // r(t) settles at -1 on the -f(t) guide (row 140); its label stands 20 rows higher.
  EXPECT_TRUE(near(p, 375, 140, colors::Blue, 1));
  const auto* s = w->lastTrace();
  const auto l = s->closingLabels();
  EXPECT_EQ(l.output.y, s->row(s->state().r) - 20);
  EXPECT_TRUE(textIn(p, QRect(l.output.x, l.output.y, 25, 14), colors::Blue));
}

// Halfway along the time axis a ramp has reached half its final height, a parabola a quarter;
// the final height is 200 pixels above the axis for g, 100 for f (mirrored below for -f).
TEST_F(ResponsePlot, RampAndParabolaInputsAtHalfTime) {
  struct Case {
    const char* form;
    int row;
    int mirrored;
  };
  for (const Case& c : {Case{"Form19_5", 120, 0}, Case{"Form19_7", 170, 0}, Case{"Form19_8", 95, 145},
                        Case{"Form20_6", 70, 170}, Case{"Form21_7", 170, 0}, Case{"Form22_6", 70, 170}}) {
    SCOPED_TRACE(c.form);
    const int draws[] = {200, 300, 250};
    for (int i = 0; i < astatism_test::closedForm(c.form).params; ++i) script({draws[i]});
    auto* w = dynamic_cast<astatism::ResponseWindow*>(start(c.form));
    ASSERT_TRUE(w);
    const QColor colour = c.mirrored ? colors::Fuchsia : colors::Red;
    const auto& plot = astatism_test::infoOf(QString::fromLatin1(c.form)).plot;
    const int half = 30 + static_cast<int>(plot.kh * plot.kxFactor / 2);
    EXPECT_TRUE(near(w->Image1, half, c.row, colour, 2));
    if (c.mirrored) EXPECT_TRUE(near(w->Image1, half, c.mirrored, colour, 2));
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
  }
}
