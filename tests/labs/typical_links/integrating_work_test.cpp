// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole integrating-link work as a student plays it: the work button, four windows,
// six runs of the last one, and Menu at the end. Parameters are drawn for real; the right
// answers are worked out from each window's own data.
#include <QPushButton>
#include <QToolButton>

#include "integrating_fixture.h"

using Work = Integrating;

TEST_F(Work, FromTheWorkButtonToWorkDone) {
  main->work().RepeatCount = 7;  // as an earlier work may have left it
  ASSERT_NO_FATAL_FAILURE(click("Button1"));
  ASSERT_NO_FATAL_FAILURE(click("BIntegrZveno"));
  settle();

  auto* step = dynamic_cast<RampForm*>(active());
  ASSERT_TRUE(step);
  EXPECT_EQ(step->objectName(), "Form1_1");
  ASSERT_NO_FATAL_FAILURE(click("BNext"));  // not answered yet: nothing
  EXPECT_EQ(active(), step);
  type(step, 0, FloatToStr(step->data().p.T));
  ASSERT_TRUE(main->work().completed("Form1_1"));
  ASSERT_NO_FATAL_FAILURE(click("BNext"));
  settle();

  auto* ramp = dynamic_cast<RampForm*>(active());
  ASSERT_TRUE(ramp);
  type(ramp, 0, FloatToStr(ramp->data().p.T));
  ASSERT_TRUE(main->work().completed("Form1_2"));
  ASSERT_NO_FATAL_FAILURE(click("BNext"));
  settle();

  auto* sine = dynamic_cast<SineForm*>(active());
  ASSERT_TRUE(sine);
  type(sine, 0, FloatToStr(sine->data().amplitude));
  type(sine, 1, "-1.57");
  ASSERT_TRUE(main->work().completed("Form1_3"));
  ASSERT_NO_FATAL_FAILURE(click("BNext"));
  settle();

  auto* f = dynamic_cast<FrequencyForm*>(active());
  ASSERT_TRUE(f);
  EXPECT_EQ(main->work().RepeatCount, 1);
  const double T = series(f).T;
  EXPECT_GE(T, 1.10);
  EXPECT_LE(T, 1.49);
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    ASSERT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4." + QString::number(r));
    type(f, 0, FloatToStr(1 / (f->omega() * T)));
    ASSERT_TRUE(f->edit(1)->isEnabled());
    type(f, 1, "-1.57");
    settle();
  }
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.6");
  EXPECT_DOUBLE_EQ(series(f).T, T);
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_TRUE(messages.shown.isEmpty());
  ASSERT_NO_FATAL_FAILURE(click("BNext"));
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.6");

  ASSERT_NO_FATAL_FAILURE(click("BMenu"));
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
  EXPECT_FALSE(main->work().WorkDone);
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
  EXPECT_TRUE(main->findChild<QWidget*>("Panel1")->isVisibleTo(main.get()));
}
