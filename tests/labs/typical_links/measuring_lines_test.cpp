// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The measuring lines of the step-response windows, through Form2_1: bars, their boxes, the
// restore from the hidden copy, the tangent mode, and nothing alive before the trace ends.
#include "links_fixture.h"

using Measuring = Links;

TEST_F(Measuring, TypedLevelsMoveTheBarsAndTheirLines) {
  auto* w = openAperiodicStep(50, 150);
  ASSERT_TRUE(w);
  ASSERT_TRUE(w->TrackBar1->isEnabled());
  EXPECT_EQ(w->Edit6->text(), loc("2.3"));
  EXPECT_EQ(w->Edit7->text(), loc("0.3"));
  struct Case {
    QString typed;
    int position;
    QString shown;
  } cases[] = {
      {"1.5", 80, "1.5"},  {"0.95", 135, "0.95"}, {"0.953", 135, "0.95"},
      {"1e300", 0, "2.3"}, {"-7", 200, "0.3"},    {"1.284", 102, "1.28"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    w->TrackBar1->setValue(40);
    enter(w->Edit6, loc(c.typed));
    EXPECT_EQ(w->TrackBar1->value(), c.position);
    EXPECT_EQ(w->Edit6->text(), loc(c.shown));
    EXPECT_EQ(px(w->plot(), 5, c.position + 10), colors::Green);
    EXPECT_EQ(px(w->plot(), 359, c.position + 10), colors::Green);
    EXPECT_NE(px(w->plot(), 360, c.position + 10), colors::Green);
  }
  // The old line is gone: the plot came back from the copy before the new one was drawn.
  enter(w->Edit6, loc("1.5"));
  enter(w->Edit6, loc("1.0"));
  EXPECT_EQ(px(w->plot(), 5, 90), colors::White);
  EXPECT_EQ(px(w->plot(), 5, 140), colors::Green);
  EXPECT_EQ(px(w->plot(), 5, 210), colors::Green);  // TrackBar2 at 200
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Measuring, UnreadableLevelRestoresTheTextAndCountsNothing) {
  auto* w = openAperiodicStep(50, 150);
  enter(w->Edit7, loc("1.5"));
  for (const QString bad : {"x", "1,5,", "."}) {
    enter(w->Edit7, bad);
    EXPECT_EQ(messages.last(), "Неверное значение!");
    EXPECT_EQ(w->Edit7->text(), loc("1.5"));
    EXPECT_EQ(w->TrackBar2->value(), 80);
  }
  EXPECT_EQ(w->errorCount(), 0);
}

TEST_F(Measuring, TangentModeStartsFiftyPixelsRightAndFreezesTheBars) {
  auto* w = openAperiodicStep(50, 150);
  type(w, 0, FloatToStr(aperiodicOf(w).tp()));
  w->CB1->click();
  EXPECT_EQ(w->tangentPoint(), 50);
  EXPECT_FALSE(w->TrackBar1->isEnabled());
  EXPECT_FALSE(w->Edit7->isEnabled());
  EXPECT_TRUE(w->edit(1)->hasFocus() || !w->isActiveWindow());
  EXPECT_EQ(px(w->plot(), 80, 200), colors::MoneyGreen);  // cross-hair at b = 50
  // The tangent meets the final value T after its point.
  const int endX = aperiodicOf(w).tangentEndX(50);
  EXPECT_TRUE(near(w->plot(), endX - 1, aperiodicOf(w).finalRow(), colors::Green));
  drag(w->plot(), 150, 100);
  EXPECT_EQ(w->tangentPoint(), 120);
  EXPECT_EQ(px(w->plot(), 80, 200), colors::White);
  EXPECT_EQ(px(w->plot(), 150, 200), colors::MoneyGreen);
  w->CB1->click();
  EXPECT_TRUE(w->TrackBar1->isEnabled());
  EXPECT_EQ(px(w->plot(), 150, 200), colors::White);
}

TEST_F(Measuring, NothingLivesBeforeTheTraceEnds) {
  auto* w = openAperiodicStep(50, 150);
  w->FormCreate();  // fresh data, no trace yet
  EXPECT_FALSE(w->measuring());
  EXPECT_FALSE(w->TrackBar1->isEnabled());
  EXPECT_FALSE(w->CB1->isEnabled());
  w->FormActivate();
  drag(w->plot(), 100, 100);
  EXPECT_EQ(label("KoordX1"), "???");
  EXPECT_EQ(label("KoordY1"), "???");
}
