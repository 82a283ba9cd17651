// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three works played from their buttons through the real windows, and the windows' own
// edge cases: margins that take only zero, poles in any order, regeneration at the owner,
// the cursors, unparsable text.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "stability_fixture.h"

using namespace stability;

namespace {

// The drawn data of each work: the owner's T1, T2, T3, k1, then the multipliers of windows 4
// and 5 (work 3: Form18_1's own data first, then q of Form18_4 and m of Form18_5).
struct Script {
  std::vector<int> draws;
};
const Script kScripts[] = {
    {{237, 412, 150, 87, 133, 45}},
    {{321, 118, 276, 131, 141, 33}},
    {{250, 300, 350, 90, /* Form18_2 */ 210, 160, 330, 120, /* q */ 27, /* m = 1.0 */ 10}},
};

}  // namespace

class StabilityWork : public StabilityTest, public ::testing::WithParamInterface<int> {};

TEST_P(StabilityWork, PlayedFromItsButtonToTheEnd) {
  const int work = GetParam();
  for (int d : kScripts[work - 1].draws) script({d});
  button("Button6")->click();
  auto* b = main->findChild<QToolButton*>(work == 1 ? QStringLiteral("B61") : QStringLiteral("b6%1").arg(work));
  ASSERT_TRUE(b && b->isEnabled());
  b->click();
  settle();
  for (int task = 1; task <= 5; ++task) {
    SCOPED_TRACE(form(work, task).toStdString());
    ExperimentWindow* w = active();
    ASSERT_TRUE(w);
    ASSERT_EQ(w->objectName(), form(work, task));
    button("BNext")->click();  // not answered yet: nothing happens
    ASSERT_EQ(active(), w);
    if (auto* c = dynamic_cast<CoefficientWindow*>(w)) {
      answerCoefficients(c, work, task);
      if (work == 3 && task == 1) {
        EXPECT_EQ(messages.asked, QStringList{QStringLiteral("Устойчива ли данная САУ?")});
      }
    } else if (auto* f = dynamic_cast<FrequencyWindow*>(w)) {
      answerFrequency(f, work);
      if (work == 3) EXPECT_EQ(text(f, "LDeltaL"), "∞");
    } else if (auto* pw = dynamic_cast<PolesWindow*>(w)) {
      if (pw->row().regime == Regime::Unstable) {
        // The scale comes from the run drawn: its largest swing reaches 135 px off the axis.
        EXPECT_NEAR(pw->sy() * 1.0, 135.0 / peakOfRun(pw->row().rule, pw->params(), pw->loopValue(), pw->endTime()),
                    1e-12);
        bool reaches = false;
        for (int x = 30; x < PolesWindow::kWidth; ++x) {
          const auto [top, bottom] = blueRows(pw->Image1, x);
          if (top >= 0 && (std::abs(top - 15) <= 2 || std::abs(bottom - 285) <= 2)) reaches = true;
        }
        EXPECT_TRUE(reaches);
      }
      if (work == 3 && task == 5) EXPECT_EQ(pw->La->text(), "1");  // T4 exactly at T4,кр
      answerPoles(pw, work);
    }
    ASSERT_TRUE(main->work().completed(form(work, task))) << messages.last().toStdString();
    EXPECT_EQ(w->errorCount(), 0);
    if (task < 5) next();
  }
  EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('|').toStdString();
  EXPECT_FALSE(main->work().WorkDone);  // the stability works end without it: Menu asks
  messages.answers = {true};
  button("BMenu")->click();
  EXPECT_EQ(messages.asked.last(), "Результаты работ будут сброшены\n\rПерейти в главное меню?");
  EXPECT_TRUE(main->children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Stability, StabilityWork, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "Work" + std::to_string(info.param); });

class StabilityWindows : public StabilityTest {
 protected:
  // Plays work 1 (or 3) up to the window of `task` with the first script.
  ExperimentWindow* reach(int work, int task, const std::vector<int>& draws = {}) {
    for (int d : draws.empty() ? kScripts[work - 1].draws : draws) script({d});
    start(form(work, 1));
    for (int t = 1; t < task; ++t) {
      ExperimentWindow* w = active();
      if (dynamic_cast<CoefficientWindow*>(w)) {
        answerCoefficients(w, work, t);
      } else if (auto* f = dynamic_cast<FrequencyWindow*>(w)) {
        answerFrequency(f, work);
      } else {
        answerPoles(dynamic_cast<PolesWindow*>(w), work);
      }
      EXPECT_TRUE(main->work().completed(w->objectName()))
          << w->objectName().toStdString() << messages.shown.join('|').toStdString();
      next();
    }
    return active();
  }
};

TEST_F(StabilityWindows, MarginsOnTheBoundaryTakeOnlyZero) {
  auto* w = dynamic_cast<FrequencyWindow*>(reach(1, 2));
  ASSERT_TRUE(w);
  struct Entry {
    int field;
    const char* text;
    bool right;
  } entries[] = {{0, "0.001", false}, {0, "-0.0", true}, {1, "1e-9", false}, {1, "+0.000", true}};
  for (const Entry& e : entries) {
    type(w, e.field, e.text);
    EXPECT_EQ(w->edit(e.field)->isReadOnly(), e.right) << e.text;
    if (e.right) EXPECT_EQ(w->edit(e.field)->text(), "0");
  }
  EXPECT_EQ(w->errorCount(), 2);
}

TEST_F(StabilityWindows, MovingOnlyTrackBar3RedrawsBothPlotsCursors) {
  auto* w = dynamic_cast<FrequencyWindow*>(reach(1, 2));
  ASSERT_TRUE(w);
  EXPECT_EQ(px(w->Image1, 50, 90), colors::White);  // inert until moved
  w->TrackBar3->setValue(70);
  EXPECT_EQ(px(w->Image1, 50, 90), colors::Red);   // the common column on the amplitude plot
  EXPECT_EQ(px(w->Image1, 300, 20), colors::Red);  // TrackBar2's row, unmoved
  EXPECT_EQ(px(w->Image3, 300, 70), colors::Red);
  EXPECT_EQ(px(w->Image3, 50, 100), colors::Red);
  // The cursor text, teal and smoothed, over the top left of the amplitude plot.
  bool teal = false;
  for (int x = 5; x < 120; ++x)
    for (int y = 0; y < 12; ++y) {
      const QColor c = px(w->Image1, x, y);
      teal = teal || (c.green() > c.red() + 40 && c.blue() > c.red() + 40);
    }
  EXPECT_TRUE(teal);
  const QString sep = QString(numtext::decimalSeparator());
  EXPECT_EQ(w->amplitudeCursorText(), QStringLiteral("L = ") + numtext::FloatCut(40 / w->sL(), 5) +
                                          QStringLiteral(" дБ; w= 0") + sep + QStringLiteral("1 рад/с"));
  EXPECT_EQ(w->phaseCursorText(), QStringLiteral("-1 рад; log(w)= -1"));
  // Moving the column again leaves no trace of the old one.
  w->TrackBar1->setValue(200);
  EXPECT_NE(px(w->Image1, 50, 90), colors::Red);
  EXPECT_EQ(px(w->Image3, 200, 100), colors::Red);
}

TEST_F(StabilityWindows, PolesOnTheBoundaryInAllSixOrders) {
  auto* w = dynamic_cast<PolesWindow*>(reach(1, 3));
  ASSERT_TRUE(w);
  EXPECT_EQ(w->truePoles().alpha[1], 0.0);
  std::array<int, 3> order{0, 1, 2};
  int n = 0;
  do {
    w->FormCreate();
    w->Timer1Timer();
    answerPoles(w, 1, order);
    EXPECT_TRUE(main->work().completed("Form16_3")) << n;
    EXPECT_EQ(w->errorCount(), 0) << n;
    ++n;
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(n, 6);

  // The real pole twice is refused; unparsable text is not counted.
  w->FormCreate();
  w->Timer1Timer();
  const double a1 = w->truePoles().alpha[0];
  type(w, 0, num(a1));
  type(w, 1, "0");
  type(w, 2, num(a1));
  EXPECT_FALSE(w->edit(2)->isReadOnly());
  EXPECT_EQ(w->errorCount(), 1);
  messages.clear();
  type(w, 2, "abc");
  EXPECT_EQ(messages.shown, QStringList{msg::BadFormat});
  EXPECT_TRUE(w->edit(2)->text().isEmpty());
  EXPECT_EQ(w->errorCount(), 1);
}

TEST_F(StabilityWindows, OverlappingBandsInForm18_5TakeEveryOrder) {
  // T1 = T2 = T3 = 0.1, k1 = 1.13 in Form18_2, m = 3.1 in Form18_5.
  auto* w = dynamic_cast<PolesWindow*>(reach(3, 5, {250, 300, 350, 90, 100, 100, 100, 113, 27, 31}));
  ASSERT_TRUE(w);
  ASSERT_EQ(w->La->text(), loc("3.1"));
  std::array<int, 3> order{0, 1, 2};
  int n = 0;
  do {
    if (n > 0) {
      script({31});
      w->FormCreate();
      w->Timer1Timer();
    }
    answerPoles(w, 3, order);
    EXPECT_TRUE(main->work().completed("Form18_5")) << n;
    ++n;
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(StabilityWindows, RegenerationRestartsTheWorkAtItsOwner) {
  struct Case {
    int work, task, wrong;
    const char* value;
  } cases[] = {{1, 4, 5, "1234"}, {3, 4, 3, "5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.work);
    ExperimentWindow* w = reach(c.work, c.task);
    ASSERT_EQ(w->objectName(), form(c.work, c.task));
    const QString before = text(main->findWindow(form(c.work, ownerTask(c.work))), "LT1");
    while (!random->empty()) RandomRange(0, 1);  // draws of windows not reached
    script({111, 222, 333, 144});
    messages.clear();
    for (int i = 0; i < c.wrong; ++i) type(w, 0, c.value);
    EXPECT_EQ(messages.last(), msg::TooManyErrors);
    flushDeletes();
    for (int t = ownerTask(c.work) + 1; t <= 5; ++t) EXPECT_FALSE(main->findWindow(form(c.work, t))) << t;
    ExperimentWindow* owner = main->findWindow(form(c.work, ownerTask(c.work)));
    ASSERT_TRUE(owner);
    EXPECT_EQ(active(), owner);
    EXPECT_EQ(text(owner, "LT1"), loc("0.111 c"));
    EXPECT_NE(text(owner, "LT1"), before);
    EXPECT_FALSE(main->work().completed(owner->objectName()));
    EXPECT_TRUE(owner->edit(0)->text().isEmpty());
    if (c.work == 3) EXPECT_TRUE(main->work().completed(form(3, 1)));  // window 1 keeps its answers
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
  }
}

TEST_F(StabilityWindows, SayingTheStructurallyUnstableLoopIsStableStartsOver) {
  script({250, 300, 350, 90, 111, 222, 333, 144});
  ExperimentWindow* w = start(form(3, 1));
  messages.answers = {true};
  answerCoefficients(w, 3, 1);
  EXPECT_EQ(messages.asked.size(), 1);
  EXPECT_TRUE(messages.shown.isEmpty());  // no message, new data
  EXPECT_FALSE(main->work().completed(form(3, 1)));
  EXPECT_EQ(text(w, "LT1"), loc("0.111 c"));
  EXPECT_TRUE(w->edit(0)->text().isEmpty());
  EXPECT_TRUE(w->edit(0)->isEnabled());
}
