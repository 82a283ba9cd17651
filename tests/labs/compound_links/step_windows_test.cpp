// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The step-response windows on their plots: the input step and the jump where the scales put
// them, and the level boxes of the measuring lines at a scale that is not a whole number.
#include <QSlider>

#include "labs/compound_links/step_form.h"
#include "support/fixture.h"

using namespace compound;

namespace {
class StepWindows : public TrainerTest {
 protected:
  StepForm* open(const char* form, std::initializer_list<int> draws) {
    script(draws);
    return dynamic_cast<StepForm*>(start(form));
  }
};
}  // namespace

TEST_F(StepWindows, InputStepAndJumpOnThePlot) {
  const struct {
    const char* form;
    std::initializer_list<int> draws;
    int input, jump;
  } cases[] = {
      {"Form6_1", {30, 20}, 55, 110},      // h0 = 2.0: S = 55
      {"Form6_1", {50, 5}, 110, 55},       // h0 = 0.5: S = 110
      {"Form7_1", {10, 15}, 140, 210},     // h0 = 1.5: the jump is 210 pixels
      {"Form7_1", {10, 8}, 110, 88},       // h0 = 0.8
      {"Form8_1", {20, 20, 50}, 80, 160},  // T1/T2 = 4: S = 80, the jump is 160 pixels
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    StepForm* w = open(c.form, c.draws);
    ASSERT_TRUE(w);
    PlotView* p = w->plot();
    EXPECT_TRUE(near(p, 100, 240 - c.input, colors::Red, 0));
    EXPECT_FALSE(near(p, 100, 240 - c.input - 2, colors::Red, 0));
    EXPECT_TRUE(near(p, 30, 240 - c.jump + 1, colors::Blue));
    EXPECT_FALSE(near(p, 31, 240 - c.jump - 3, colors::Blue, 0));
    messages.answers.push_back(true);
    main->BMenuClick();
    flushDeletes();
  }
}

TEST_F(StepWindows, LevelBoxesAtAFractionalScale) {
  StepForm* w = open("Form6_1", {30, 15});  // h0 = 1.5: S = 220/3.5 = 62.857...
  ASSERT_TRUE(w);
  const double S = 220 / 3.5;
  w->TrackBar1->setValue(40);
  EXPECT_EQ(w->Edit6->text(), numtext::FloatCut((230 - 62 - 40) / S + 1, 4));
  EXPECT_TRUE(near(w->plot(), 200, 50, colors::Green, 0));
  w->Edit6->setText("x");
  w->EditKeyPress(0);
  EXPECT_EQ(messages.last(), "Неверное значение!");
  EXPECT_EQ(w->Edit6->text(), numtext::FloatCut((230 - 40) / S, 4));
  w->Edit6->setText("2");
  w->EditKeyPress(0);
  EXPECT_EQ(w->TrackBar1->value(), static_cast<int>(std::ceil(230 - 2 * S)));
}
