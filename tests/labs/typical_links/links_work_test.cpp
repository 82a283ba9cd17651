// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The aperiodic- and oscillating-link works as a student plays them: the work button, the
// three time windows answered from what they show, the frequency series, Menu at the end.
#include <QAbstractButton>

#include "links_fixture.h"

using LinksWork = Links;

TEST_F(LinksWork, AperiodicFromTheWorkButtonToWorkDone) {
  click("Button1");
  click("BAperZveno");
  settle();
  auto* step = dynamic_cast<LinkStepForm*>(active());
  ASSERT_TRUE(step);
  // The student sets the lines at 0.95k and 1.05k and reads tp where the curve meets them.
  const aperiodic::Step& d = aperiodicOf(step);
  enter(step->Edit6, FloatToStr(0.95 * d.k));
  enter(step->Edit7, FloatToStr(1.05 * d.k));
  type(step, 0, numtext::FloatCut(d.drawnTp(), 6));
  type(step, 1, FloatToStr(d.T));
  type(step, 2, FloatToStr(d.k));
  ASSERT_TRUE(main->work().completed("Form2_1"));
  click("BNext");
  settle();

  auto* ramp = dynamic_cast<RampForm*>(active());
  ASSERT_TRUE(ramp);
  EXPECT_EQ(ramp->objectName(), "Form2_2");
  // k from T and the labelled crossing time t*: k = t*/(t* − T(1 − e^(−t*/T))).
  const double t = ramp->data().crossingTime, T = ramp->data().p.T;
  type(ramp, 0, numtext::FloatCut(t / (t - T * (1 - std::exp(-t / T))), 5));
  ASSERT_TRUE(main->work().completed("Form2_2"));
  click("BNext");
  settle();

  auto* sine = dynamic_cast<SineForm*>(active());
  ASSERT_TRUE(sine);
  EXPECT_EQ(sine->objectName(), "Form2_3");
  type(sine, 1, "-1");  // not open yet
  EXPECT_TRUE(sine->edit(1)->text().isEmpty() || !sine->edit(1)->isEnabled());
  type(sine, 0, FloatToStr(sine->data().amplitude));
  type(sine, 1, FloatToStr(sine->data().phase));
  ASSERT_TRUE(main->work().completed("Form2_3"));
  click("BNext");
  settle();

  playFrequency("Апериодическое звено. Опыт №4.");
  EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("|").toStdString();
  click("BMenu");
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
}

TEST_F(LinksWork, OscillatingFromTheWorkButtonToWorkDone) {
  click("Button1");
  click("BKolebZveno");
  settle();
  auto* step = dynamic_cast<LinkStepForm*>(active());
  ASSERT_TRUE(step);
  const oscillating::Step& d = oscillatingOf(step);
  type(step, 0, FloatToStr(d.k));
  type(step, 1, numtext::FloatCut(d.sigma(), 4));
  type(step, 2, FloatToStr(d.tp));
  type(step, 3, FloatToStr(d.gamma));
  type(step, 4, FloatToStr(d.T));
  ASSERT_TRUE(main->work().completed("Form3_1"));
  click("BNext");
  settle();

  auto* ramp = dynamic_cast<RampForm*>(active());
  ASSERT_TRUE(ramp);
  const RampPlot& r = ramp->data();
  const oscillating::Link l{r.p.T, 1, r.p.gamma};
  type(ramp, 0, numtext::FloatCut(r.crossingTime / l.rampUnit(r.crossingTime), 5));
  ASSERT_TRUE(main->work().completed("Form3_2"));
  click("BNext");
  settle();

  auto* sine = dynamic_cast<SineForm*>(active());
  ASSERT_TRUE(sine);
  type(sine, 0, FloatToStr(sine->data().amplitude));
  type(sine, 1, FloatToStr(sine->data().phase));
  ASSERT_TRUE(main->work().completed("Form3_3"));
  click("BNext");
  settle();

  playFrequency("Колебательное звено. Опыт №4.");
  auto* f = window<FrequencyForm>("Form3_4");
  EXPECT_DOUBLE_EQ(dynamic_cast<const LagFrequency&>(f->link()).series().T, 1.10);
  EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("|").toStdString();
  click("BMenu");
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
}

TEST_F(LinksWork, OscillatingStepRegeneratesAtTheFourthWrongAnswer) {
  script({50, 100, 10});
  auto* w = dynamic_cast<LinkStepForm*>(start("Form3_1"));
  ASSERT_TRUE(w);
  EXPECT_NEAR(oscillatingOf(w).sigma(), 1.37, 0.005);
  for (int i = 1; i <= 3; ++i) {
    type(w, 0, "5");
    EXPECT_EQ(messages.last(), msg::WrongValue);
  }
  script({60, 70, 20});
  type(w, 0, "5");
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  settle();
  EXPECT_DOUBLE_EQ(oscillatingOf(w).T, 0.60);
  EXPECT_EQ(w->errorCount(), 0);
  // The settling time 15 % low is wrong; σ within ±10 % is right.
  type(w, 0, FloatToStr(oscillatingOf(w).k));
  type(w, 1, FloatToStr(1.09 * oscillatingOf(w).sigma()));
  EXPECT_TRUE(w->edit(1)->isReadOnly());
  type(w, 2, FloatToStr(0.85 * oscillatingOf(w).tp));
  EXPECT_EQ(messages.last(), msg::WrongValue);
}

TEST_F(LinksWork, SettlingTimeOfTheAperiodicStepAsTheEdgeCasesGoAndFifteenPercentLow) {
  const aperiodic::Step s{0.5, 1.5};
  const struct {
    double typed;
    bool accepted;
  } cases[] = {{1.41, true}, {s.drawnTp(), true}, {0.85 * s.drawnTp(), false}, {1.58, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    auto* w = openAperiodicStep(50, 150);
    type(w, 0, FloatToStr(c.typed));
    EXPECT_EQ(w->edit(0)->isReadOnly(), c.accepted);
    if (c.accepted) EXPECT_EQ(w->edit(0)->text(), loc("1.49"));
    messages.answers.push_back(true);  // leave the unfinished work
    main->BMenuClick();
    flushDeletes();
  }
}

// The settling time accepted from the drawn pixels is worked out from the model's columns:
// they must be the columns on the canvas.
TEST_F(LinksWork, StepCurvesOnTheCanvasAreTheModelsColumns) {
  auto* a = openAperiodicStep(37, 163);
  script({44, 91, 13});
  auto* o = dynamic_cast<LinkStepForm*>(start("Form3_1"));
  ASSERT_TRUE(a && o);
  for (int x : {31, 60, 120, 200, 290, 345}) {  // the closing labels cover x >= 350
    SCOPED_TRACE(x);
    EXPECT_EQ(px(a->plot(), x, aperiodicOf(a).column(x)), colors::Blue);
    EXPECT_EQ(px(o->plot(), x, oscillatingOf(o).column(x)), colors::Blue);
  }
}
