// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The error limit of the windows that do not trace at creation: new data and nothing traced,
// the field open again; and Form6_4 back at its circuit question.
#include <QCheckBox>
#include <QPointer>
#include <QTimer>
#include <cmath>

#include "labs/compound_links/circuit_form.h"
#include "labs/compound_links/harmonic_form.h"
#include "support/fixture.h"

using namespace compound;

namespace {
class Regeneration : public TrainerTest {
 protected:
  void wrongThrice(ExperimentWindow* w) {
    for (int i = 0; i < 3; ++i) type(w, 0, "1000");
    settle();
  }
  static int blue(PlotView* v) {
    int n = 0;
    for (int x = 0; x < 415; ++x)
      for (int y = 0; y < 271; ++y) n += px(v, x, y) == colors::Blue;
    return n;
  }
};
}  // namespace

TEST_F(Regeneration, AnswerFirstWindowsDrawNewDataWithoutATrace) {
  const struct {
    const char* form;
    std::initializer_list<int> draws;  // first data, then the data after the limit
  } cases[] = {{"Form6_3", {200, 900, 5, 300, 150, 4}}, {"Form7_2", {10, 20, 5, 20, 50, 3}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    script(c.draws);
    auto* w = dynamic_cast<HarmonicForm*>(start(c.form));
    ASSERT_TRUE(w);
    const Acceptance before = w->answer(0).rule;
    wrongThrice(w);
    EXPECT_EQ(messages.last(), msg::TooManyErrors);
    EXPECT_NE(w->answer(0).rule.lo, before.lo);
    EXPECT_EQ(w->errorCount(), 0);
    EXPECT_FALSE(main->Busy);
    EXPECT_EQ(blue(w->plot()), 0);
    EXPECT_TRUE(w->edit(0)->isEnabled());
    EXPECT_TRUE(w->edit(0)->text().isEmpty());
    messages.answers.push_back(true);
    main->BMenuClick();
    flushDeletes();
  }
}

TEST_F(Regeneration, CircuitWindowAsksItsQuestionAgain) {
  script({150, 420, 300, 500});
  auto* w = dynamic_cast<CircuitForm*>(start("Form6_4"));
  ASSERT_TRUE(w);
  for (int i : {0, 3, 5}) w->CB[i]->click();
  w->Button1Click();
  wrongThrice(w);
  EXPECT_EQ(w->answer(0).rule.lo, 500000);
  EXPECT_TRUE(w->questionPanel->isVisibleTo(w));
  EXPECT_FALSE(w->resistancePanel->isVisibleTo(w));
  EXPECT_TRUE(w->Button1->isEnabled());
  for (QCheckBox* b : w->CB) EXPECT_FALSE(b->isChecked());
  EXPECT_EQ(px(w->circuit, 10, 68), colors::White);  // blank until the first click
}

TEST_F(Regeneration, ClosingForm7_3DuringItsSecondOutputFreesTheCommandBar) {
  script({10, 20, 5, 4});
  auto* w = dynamic_cast<HarmonicForm*>(start("Form7_3"));
  ASSERT_TRUE(w);
  pacing(true);
  QPointer<HarmonicForm> alive(w);
  bool busyMidTrace = false;
  QTimer::singleShot(40, [&] {
    busyMidTrace = main->Busy;
    main->BNextClick();  // ignored while the second output is drawn
    if (alive) alive->close();
  });
  type(w, 0, FloatToStr(std::sqrt(15.0) / 20));
  flushDeletes();
  EXPECT_TRUE(busyMidTrace);
  EXPECT_FALSE(alive);
  EXPECT_FALSE(main->Busy);
  EXPECT_EQ(main->findWindow("Form7_4"), nullptr);
}
