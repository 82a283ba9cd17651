// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Regeneration in the middle of a trace, Back to a finished window, and the four works played
// from their buttons to the end.
#include <QElapsedTimer>
#include <QToolButton>

#include "astatism_fixture.h"

class AstatismFlow : public AstatismTest {
 protected:
  void menuYes() {
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
    messages.clear();
  }
};

TEST_F(AstatismFlow, RegenerationMidTraceRestartsCleanlyOnTheNextTick) {
  // The plot the new data must give, drawn without interference.
  script({300, 200});
  auto* clean = response(QStringLiteral("Form19_3"));
  start("Form19_3");
  clean = response("Form19_3");
  ASSERT_TRUE(clean);
  const QImage plot = drawn(clean->Image1), in = drawn(clean->Image3), out = drawn(clean->Image4);
  menuYes();

  pacing(true);
  script({250, 250});
  main->workClick("Form19_3");
  auto* w = response("Form19_3");
  ASSERT_TRUE(w);
  script({300, 200});
  bool midTrace = false, erased = false, waiting = false;
  // Two wrong answers typed into Edit1 while the curve is being drawn.
  QTimer::singleShot(400, w, [&] {
    midTrace = w->tracing() && w->tracesStarted() == 1;
    type(w, 0, "7");
    type(w, 0, "8");
    erased = inkCount(w->Image1) == 0 && inkCount(w->Image3) == 0 && inkCount(w->Image4) == 0;
    waiting = w->Timer1->isActive() && main->Busy;
  });
  settle(600);
  ASSERT_TRUE(midTrace);
  EXPECT_EQ(messages.shown, QStringList({msg::WrongValue, msg::TooManyErrors}));
  EXPECT_TRUE(erased);
  EXPECT_TRUE(waiting);
  EXPECT_EQ(w->tracesStarted(), 2);
  EXPECT_EQ(w->tracesFinished(), 1);  // the old trace was abandoned, not finished
  EXPECT_FALSE(w->tracing());
  EXPECT_FALSE(main->Busy);
  EXPECT_EQ(label("LT1"), loc("0.3 c"));
  // Nothing of the first curve, nothing drawn twice: exactly the clean picture.
  EXPECT_EQ(drawn(w->Image1), plot);
  EXPECT_EQ(drawn(w->Image3), in);
  EXPECT_EQ(drawn(w->Image4), out);
  EXPECT_TRUE(w->edit(0)->isEnabled());
  EXPECT_TRUE(w->edit(0)->text().isEmpty());
}

TEST_F(AstatismFlow, AnswersTypedDuringTheTraceCount) {
  pacing(true);
  script({250, 250});
  QElapsedTimer clock;
  clock.start();
  main->workClick("Form19_4");
  auto* w = response("Form19_4");
  bool accepted = false;
  QTimer::singleShot(300, w, [&] {
    type(w, 0, "0.5");
    accepted = w->tracing() && w->edit(0)->isReadOnly();
  });
  settle(400);
  // 3600 steps paced at every 20th: 180 pauses of 10 ms (every step would take over 36 s).
  EXPECT_GE(clock.elapsed(), 1800);
  EXPECT_LT(clock.elapsed(), 15000);
  EXPECT_TRUE(accepted);
  EXPECT_EQ(w->tracesFinished(), 1);
  EXPECT_TRUE(w->edit(0)->isReadOnly());  // the end of the trace leaves it as it is
  EXPECT_TRUE(w->edit(1)->isEnabled());
  EXPECT_FALSE(main->Busy);
}

TEST_F(AstatismFlow, BackToAFinishedWindowKeepsItsPlotAndAnswers) {
  ExperimentWindow* w = start("Form21_1");
  for (int k = 1; k <= 2; ++k) {
    answerAll(w);
    button("BNext")->click();
    settle();
    w = active();
  }
  auto* r = response("Form21_3");
  ASSERT_EQ(w, r);
  answerAll(r);
  ASSERT_TRUE(main->work().completed("Form21_3"));
  const QImage plot = drawn(r->Image1);
  const QString a0 = r->edit(0)->text();
  button("BNext")->click();
  settle();
  ASSERT_EQ(active()->objectName(), "Form21_4");
  button("BBack")->click();
  settle(250);  // a timer of 100 ms would have fired by now
  EXPECT_EQ(active(), r);
  EXPECT_EQ(r->tracesStarted(), 1);
  EXPECT_EQ(drawn(r->Image1), plot);
  EXPECT_EQ(r->edit(0)->text(), a0);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(r->edit(i)->isReadOnly());
  EXPECT_TRUE(main->work().completed("Form21_3"));
  button("BNext")->click();
  settle();
  EXPECT_EQ(active(), main->findWindow("Form21_4"));
  EXPECT_EQ(main->children().size(), 4);
}

class AstatismWork : public AstatismFlow, public ::testing::WithParamInterface<int> {};

TEST_P(AstatismWork, PlayedFromItsButtonToTheEnd) {
  const int work = GetParam();
  main->findChild<QPushButton*>("Button7")->click();
  auto* b = main->findChild<QToolButton*>(QStringLiteral("b7%1").arg(work));
  ASSERT_TRUE(b);
  ASSERT_TRUE(b->isEnabled());
  b->click();
  settle();
  for (int task = 1; task <= 8; ++task) {
    const QString form = QStringLiteral("Form%1_%2").arg(18 + work).arg(task);
    SCOPED_TRACE(form.toStdString());
    ExperimentWindow* w = active();
    ASSERT_TRUE(w);
    ASSERT_EQ(w->objectName(), form);
    button("BNext")->click();  // not answered yet: nothing happens
    ASSERT_EQ(active(), w);
    answerAll(w);
    ASSERT_TRUE(main->work().completed(form)) << messages.last().toStdString();
    if (task < 8) {
      EXPECT_FALSE(main->work().WorkDone);
      button("BNext")->click();
      settle();
    }
  }
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(main->focusWidget(), button("BMenu"));
  button("BNext")->click();  // the last window has no successor
  EXPECT_EQ(active()->objectName(), QStringLiteral("Form%1_8").arg(18 + work));
  button("BMenu")->click();
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
  EXPECT_FALSE(main->work().WorkDone);
  EXPECT_TRUE(main->children().isEmpty());
  EXPECT_TRUE(main->findChild<QWidget*>("Panel1")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Astatism, AstatismWork, ::testing::Values(1, 2, 3, 4),
                         [](const auto& info) { return "Work" + std::to_string(info.param); });
