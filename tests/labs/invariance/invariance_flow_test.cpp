// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Both works played from their buttons through the real windows, with the turns that matter
// on the way: an equality answer, the error limit of two, the realizability question.
#include "invariance_fixture.h"

using namespace invariance;

class InvarianceFlow : public InvarianceTest {};

TEST_F(InvarianceFlow, ReferenceWorkPlayedToTheEnd) {
  main->findChild<QPushButton*>("Button8")->click();
  auto* b81 = main->findChild<QToolButton*>("B81");
  ASSERT_TRUE(b81 && b81->isEnabled());
  draw(100, 150);
  b81->click();
  settle();

  // Window 1: the frame only; the curve answers the prediction.
  auto* w1 = window<ResponseForm>("Form11_1");
  ASSERT_TRUE(w1);
  EXPECT_EQ(label("LT1"), loc("0.1 c"));
  EXPECT_EQ(label("LT2"), loc("0.15 c"));
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(w1->edit(0)->isEnabled());
  EXPECT_EQ(count(w1->plot(), colors::Blue), 0);
  type(w1, 0, loc("0.49"));
  EXPECT_EQ(messages.last(), msg::WrongValue);
  draw(200, 60);
  type(w1, 0, loc("0.51"));  // the second error starts the window over
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  EXPECT_EQ(label("LT1"), loc("0.2 c"));
  EXPECT_EQ(w1->errorCount(), 0);
  EXPECT_EQ(count(w1->plot(), colors::Blue), 0);
  type(w1, 0, "0;5");
  EXPECT_EQ(messages.last(), msg::BadFormat);
  type(w1, 0, loc("0.5"));
  EXPECT_TRUE(main->work().completed("Form11_1"));
  settle();
  EXPECT_FALSE(main->Busy);
  EXPECT_GT(count(w1->plot(), colors::Blue), 300);
  EXPECT_GT(count(w1->outputIcon(), colors::Blue), 30);
  EXPECT_EQ(w1->edit(0)->text(), loc("0.5"));
  shot("11_1");

  // Window 2: k, b, a, then "Yes" starts over silently and "No" completes.
  draw(105, 100);  // T2 = 0.105
  next();
  auto* w2 = window<CompensatorForm>("Form11_2");
  ASSERT_EQ(active(), w2);
  messages.clear();
  messages.answers = {true};
  draw(30, 150);
  type(w2, 0, loc("1"));
  type(w2, 1, shownText(w2, "LT2"));
  type(w2, 2, loc("0"));
  EXPECT_EQ(messages.asked, QStringList{kRealizable});
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(shownText(w2, "LT1"), loc("0.03"));
  EXPECT_EQ(shownText(w2, "LT2"), loc("0.045"));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(w2->edit(i)->text().isEmpty() && !w2->edit(i)->isReadOnly());
  EXPECT_FALSE(main->work().completed("Form11_2"));
  EXPECT_TRUE(w2->edit(0)->isEnabled());
  type(w2, 0, loc("1"));
  type(w2, 1, loc("0.0458"));  // within 2 % of T2
  type(w2, 2, loc("0"));
  EXPECT_EQ(messages.asked.size(), 2);
  EXPECT_TRUE(main->work().completed("Form11_2"));
  EXPECT_EQ(w2->edit(1)->text(), loc("0.045"));
  shot("11_2");

  // Window 3: traced first, then k.
  draw(100, 150);
  next();
  auto* w3 = window<ResponseForm>("Form11_3");
  ASSERT_EQ(active(), w3);
  EXPECT_GT(count(w3->plot(), colors::Blue), 300);
  type(w3, 0, loc("1"));
  EXPECT_TRUE(main->work().completed("Form11_3"));
  shot("11_3");

  // Window 4: 0, then the three runs, then the work is done.
  draw(100, 150);
  next();
  auto* w4 = window<RunsForm>("Form11_4");
  ASSERT_EQ(active(), w4);
  type(w4, 0, loc("0"));
  settle();
  EXPECT_TRUE(main->work().completed("Form11_4"));
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(main->focusWidget(), button("BMenu"));
  for (int run = 0; run < 3; ++run) EXPECT_GT(count(w4->plot(), RunsForm::runColor(run)), 100) << run;
  shot("11_4");
  button("BMenu")->click();
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
}

TEST_F(InvarianceFlow, DisturbanceWorkPlayedToTheEnd) {
  main->findChild<QPushButton*>("Button8")->click();
  auto* b82 = main->findChild<QToolButton*>("b82");
  ASSERT_TRUE(b82 && b82->isEnabled());
  draw(120, 110);
  b82->click();
  settle();
  auto* w1 = window<ResponseForm>("Form12_1");
  ASSERT_TRUE(w1);
  type(w1, 0, loc("0.5"));
  settle();
  EXPECT_TRUE(main->work().completed("Form12_1"));
  EXPECT_GT(count(w1->plot(), colors::Blue), 300);
  shot("12_1");

  draw(120, 110);
  next();
  auto* w2 = window<CompensatorForm>("Form12_2");
  ASSERT_EQ(active(), w2);
  type(w2, 0, loc("1"));
  type(w2, 1, shownText(w2, "LT1"));
  type(w2, 2, loc("0"));
  EXPECT_TRUE(main->work().completed("Form12_2"));
  shot("12_2");

  draw(120, 110);
  next();
  auto* w3 = window<ResponseForm>("Form12_3");
  ASSERT_EQ(active(), w3);
  draw(130, 90);
  type(w3, 0, loc("2"));
  type(w3, 0, loc("3"));  // the second error: new data and a new trace at once
  settle();
  EXPECT_EQ(shownText(w3, "LT1"), loc("0.13"));
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(w3->edit(0)->isEnabled());
  type(w3, 0, loc("1"));
  EXPECT_TRUE(main->work().completed("Form12_3"));
  shot("12_3");

  draw(120, 110);
  next();
  auto* w4 = window<RunsForm>("Form12_4");
  ASSERT_EQ(active(), w4);
  type(w4, 0, loc("0"));
  settle();
  EXPECT_TRUE(main->work().WorkDone);
  shot("12_4");
  button("BMenu")->click();
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
}
