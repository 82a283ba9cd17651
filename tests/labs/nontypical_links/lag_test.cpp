// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Form5_1 and Form5_2: the limits, the characteristics, the parameter display, the restart
// of the work at the second window's error limit, and the whole work.
#include <QGroupBox>
#include <QPointer>
#include <QTimer>
#include <cmath>

#include "framework/messages.h"
#include "nontypical_fixture.h"

using namespace nontypical;
using LagWork = Nontypical;

TEST(LagModel, LimitsAcceptTheirBandsAndExactZeros) {
  const Lag lag{0.5, 0.4};
  const struct {
    Pole pole;
    int field;
    double typed;
    bool accepted;
  } cases[] = {
      {Pole::Right, 0, 0.379, false}, {Pole::Right, 1, -0.0, true},
      {Pole::Right, 1, 0.001, false}, {Pole::Right, 2, -3.14, true},
      {Pole::Right, 2, -3.0, true},   {Pole::Right, 2, 3.14, false},
      {Pole::Right, 2, -3.3, false},  {Pole::Right, 3, -1.4922565104551517, true},
      {Pole::Right, 3, -1.49, false}, {Pole::Left, 2, 0, true},
      {Pole::Left, 2, -0.001, false}, {Pole::Left, 3, -1.6493361431346414, true},
      {Pole::Left, 3, -1.65, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(limits(c.pole, lag)[c.field].rule.accepts(c.typed), c.accepted)
        << (c.pole == Pole::Right ? "k/(Tp-1) " : "k/(Tp+1) ") << c.field << " " << c.typed;
}

TEST(LagModel, CharacteristicsStartAndEndWhereTheLimitsSay) {
  for (int t : {300, 500, 699}) {
    const double T = t / 1000.0;
    SCOPED_TRACE(t);
    EXPECT_EQ(amplitudeY(T, 0), 30);            // k, 110 pixels above the axis
    EXPECT_EQ(phaseY(Pole::Right, T, 0), 145);  // −π
    EXPECT_EQ(phaseY(Pole::Left, T, 0), 60);    // 0
    // Both phases close on −π/2 (42.5 pixels below the axis), one from each side.
    EXPECT_EQ(guideY(Pole::Right, T), 102);
    EXPECT_EQ(guideY(Pole::Left, T), 102);
    EXPECT_GT(phaseY(Pole::Right, T, kLastColumn), 102);
    EXPECT_LE(phaseY(Pole::Left, T, kLastColumn), 102);
  }
  // At the corner frequency ωT = 1 (T = 0.5, ω = 2, column 50) the amplitude is k/√2.
  EXPECT_NEAR(140 - amplitudeY(0.5, 50), 110 / std::sqrt(2.0), 1.0);
}

TEST_F(LagWork, PlayedFromItsButtonToTheEnd) {
  click("Button2");
  script({450, 123});
  click("B5");
  settle();
  auto* first = dynamic_cast<LagLinkWindow*>(active());
  ASSERT_TRUE(first);
  EXPECT_EQ(first->objectName(), "Form5_1");
  EXPECT_EQ(first->windowTitle(), "Неминимально-фазовое звено первого порядка. Опыт №1");
  EXPECT_EQ(label("L1"), "ω→0");
  EXPECT_EQ(label("L2"), "ω→∞");
  EXPECT_EQ(readoutTitle(), "Параметры звена");
  EXPECT_EQ(label("KoordX1"), loc("0.123"));
  EXPECT_EQ(label("KoordY1"), loc("0.45 c"));
  EXPECT_EQ(main->focusWidget(), first->edit(0));
  EXPECT_FALSE(main->Busy);

  type(first, 0, "0.12");
  EXPECT_EQ(first->edit(0)->text(), loc("0.123"));
  EXPECT_EQ(px(first->IAw, 31, 30), colors::White);  // no curve before both limits
  type(first, 1, "0.001");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(first, 1, "0");
  EXPECT_EQ(px(first->IAw, 31, 30), colors::Red);
  EXPECT_TRUE(first->edit(2)->isEnabled());
  type(first, 2, "-3.14");
  EXPECT_EQ(first->edit(2)->text(), loc("-3.1415"));
  EXPECT_EQ(px(first->IFiw, 31, 145), colors::White);
  type(first, 3, "-1.57");
  EXPECT_EQ(first->edit(3)->text(), loc("-1.5707"));
  EXPECT_TRUE(near(first->IFiw, 31, 145, colors::Red));
  EXPECT_EQ(px(first->IFiw, 25, 102), colors::Green);
  EXPECT_TRUE(main->work().completed("Form5_1"));
  EXPECT_FALSE(main->work().WorkDone);
  EXPECT_EQ(main->focusWidget(), main->findChild<QWidget*>("BNext"));

  click("BNext");
  settle();
  auto* second = dynamic_cast<LagLinkWindow*>(active());
  ASSERT_TRUE(second);
  EXPECT_EQ(second->objectName(), "Form5_2");
  EXPECT_DOUBLE_EQ(second->lag().T, 0.45);
  EXPECT_DOUBLE_EQ(second->lag().k, 0.123);
  EXPECT_EQ(label("KoordX1"), loc("0.123"));
  EXPECT_EQ(label("KoordY1"), loc("0.45 c"));
  // The first link's characteristics are there from the start, in red.
  EXPECT_EQ(px(second->IAw, 31, 30), colors::Red);
  EXPECT_TRUE(near(second->IFiw, 31, 145, colors::Red));
  EXPECT_FALSE(near(second->IFiw, 31, 60, colors::Blue));

  type(second, 0, "0.123");
  type(second, 1, "0.0");
  EXPECT_EQ(px(second->IAw, 31, 30), colors::Blue);
  type(second, 2, "-3.14");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(second, 2, "-0");
  EXPECT_EQ(second->edit(2)->text(), "0");
  type(second, 3, "-1.6");
  EXPECT_EQ(second->edit(3)->text(), FloatToStr(-std::numbers::pi / 2));
  EXPECT_TRUE(near(second->IFiw, 31, 60, colors::Blue));
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(messages.shown, QStringList({msg::WrongValue, msg::WrongValue}));

  click("BMenu");
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
}

TEST_F(LagWork, ErrorLimitsDrawAfreshInTheFirstWindowAndStartTheWorkOverInTheSecond) {
  auto* first = openLag(450, 123);
  type(first, 0, "0.123");
  type(first, 1, "0");
  script({300, 900});
  for (const char* wrong : {"3.14", "0", "x", "-2.9"}) type(first, 2, wrong);
  EXPECT_EQ(messages.shown, QStringList({msg::WrongValue, msg::WrongValue, msg::BadFormat, msg::TooManyErrors}));
  EXPECT_DOUBLE_EQ(first->lag().T, 0.3);
  EXPECT_EQ(first->errorCount(), 0);
  EXPECT_TRUE(first->edit(0)->text().isEmpty());
  EXPECT_FALSE(first->edit(1)->isEnabled());
  EXPECT_EQ(px(first->IAw, 31, 30), colors::White);  // the old curve is gone
  EXPECT_EQ(label("KoordY1"), loc("0.3 c"));
  messages.clear();

  const char* answers[] = {"0.9", "0", "-3.1", "-1.6"};
  for (int i = 0; i < 4; ++i) type(first, i, answers[i]);
  ASSERT_TRUE(main->work().completed("Form5_1"));
  main->BNextClick();
  settle();
  QPointer<ExperimentWindow> oldFirst = first, second = active();
  ASSERT_EQ(second->objectName(), "Form5_2");
  type(second, 0, "0.9");
  script({600, 800});
  for (const char* wrong : {"1", "2", "3"}) type(second, 1, wrong);
  EXPECT_EQ(messages.shown, QStringList({msg::WrongValue, msg::WrongValue, msg::TooManyErrors}));
  EXPECT_TRUE(messages.asked.isEmpty());  // no Menu question
  settle();
  flushDeletes();
  EXPECT_TRUE(oldFirst.isNull());
  EXPECT_TRUE(second.isNull());
  const auto windows = main->children();
  ASSERT_EQ(windows.size(), 1);
  auto* fresh = dynamic_cast<LagLinkWindow*>(windows.front());
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->objectName(), "Form5_1");
  EXPECT_DOUBLE_EQ(fresh->lag().T, 0.6);
  EXPECT_DOUBLE_EQ(fresh->lag().k, 0.8);
  EXPECT_FALSE(main->work().completed("Form5_1"));
  EXPECT_EQ(label("KoordX1"), loc("0.8"));
  EXPECT_EQ(main->focusWidget(), fresh->edit(0));
}

TEST_F(LagWork, ClosingTheWindowWhileACurveGrowsFreesTheCommandBar) {
  auto* w = openLag(450, 123);
  type(w, 0, "0.123");
  pacing(true);
  bool busyMidCurve = false;
  QPointer<ExperimentWindow> alive = w;
  QTimer::singleShot(300, w, [&] {
    busyMidCurve = main->Busy;
    w->close();
  });
  type(w, 1, "0");  // the curve grows inside the key handler
  flushDeletes();
  EXPECT_TRUE(busyMidCurve);
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(alive.isNull());
}

TEST_F(LagWork, SecondWindowWithoutALiveFirstDrawsItsOwnLink) {
  script({300, 500});
  auto* w = dynamic_cast<LagLinkWindow*>(start(QStringLiteral("Form5_2")));
  ASSERT_TRUE(w);
  EXPECT_DOUBLE_EQ(w->lag().T, 0.3);
  EXPECT_DOUBLE_EQ(w->lag().k, 0.5);
}
