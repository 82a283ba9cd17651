// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Form4_1: the gain and delay read off the plot, the drawing, the readout, the whole work.
#include <QLabel>
#include <cmath>

#include "framework/messages.h"
#include "nontypical_fixture.h"

using nontypical::Delay;
using nontypical::kDelayStep;
using DelayWork = Nontypical;

TEST(DelayModel, GainIsAcceptedAroundKAndAroundTheLevelTheDashesShow) {
  const struct {
    double k;
    double typed;
    bool accepted;
  } cases[] = {
      // The dashes of k = 0.101 stand at 12/110 = 0.10909.
      {0.101, 0.109, true},   {0.101, 0.95 * 0.101, true}, {0.101, 0.0959, false}, {0.101, 12 / 110.0 * 1.05, true},
      {0.101, 0.1146, false}, {0.5, 0.525, true},          {0.5, 0.5251, false},   {0.899, 0.854, false},
  };
  for (const auto& c : cases) {
    Delay d;
    d.k = c.k;
    EXPECT_EQ(d.gainRule().accepts(c.typed), c.accepted) << c.k << " " << c.typed;
  }
}

TEST(DelayModel, OutputRisesThroughZeroExactlyOneDelayAfterTheInput) {
  for (int t : {100, 157, 250, 399}) {
    for (int w : {500, 613, 699}) {
      Delay d;
      d.T = t / 1000.0;
      d.w = w / 100.0;
      d.k = 0.5;
      const auto firstAbove = [](auto f) {
        int n = 0;
        while (f(n) <= 0) ++n;
        return n;
      };
      EXPECT_EQ(firstAbove([&](int n) { return d.input(n); }), 1);
      EXPECT_EQ(firstAbove([&](int n) { return d.output(n); }), static_cast<int>(std::floor(d.T / kDelayStep)) + 1)
          << t << " " << w;
    }
  }
}

TEST_F(DelayWork, AmplitudeOfTheInputChangesTheReadoutNotTheDrawing) {
  QImage first;
  for (int A : {500, 1499}) {
    SCOPED_TRACE(A);
    auto* w = openDelay(250, 600, 300, A);
    ASSERT_TRUE(w);
    if (first.isNull())
      first = w->plot()->canvas().image();
    else
      EXPECT_EQ(w->plot()->canvas().image(), first);
    const struct {
      int X, Y;
      QString h, phi;
    } reads[] = {
        {30, 135, "0;", "0рад"},
        {30, 25, FloatToStr(A / 100.0) + ";", "0рад"},
        {412, 250, numtext::FloatCut(-105 / 110.0 * A / 100.0, 6) + ";",
         numtext::FloatCut(410 * 6 * kDelayStep, 5) + "рад"},
    };
    for (const auto& r : reads) {
      drag(w->plot(), r.X, r.Y);
      EXPECT_EQ(label("KoordX1"), r.h);
      EXPECT_EQ(label("KoordY1"), r.phi);
    }
    EXPECT_EQ(label("KoordY"), "φ = ");
    auto* phiName = main->findChild<QLabel*>("KoordY");
    EXPECT_GE(phiName->width(), phiName->sizeHint().width());  // not cut
    EXPECT_EQ(readoutTitle(), "Координаты указателя");
    menuYes();
  }
}

TEST_F(DelayWork, PlotShowsBothSignalsAndTheirLevels) {
  auto* w = openDelay(250, 600, 500, 1000);
  PlotView* p = w->plot();
  // Dashes: the input's 110 pixels off the zero level, the output's ⌈110k⌉ = 55.
  EXPECT_EQ(px(p, 22, 25), colors::Red);
  EXPECT_EQ(px(p, 22, 245), colors::Red);
  EXPECT_EQ(px(p, 22, 80), colors::Blue);
  EXPECT_EQ(px(p, 22, 190), colors::Blue);
  EXPECT_EQ(px(p, 35, 80), colors::White);
  // The input crosses zero rising at the vertical axis, the output T/Δ = 50.4 pixels later.
  EXPECT_TRUE(near(p, 30, 135, colors::Red));
  EXPECT_TRUE(near(p, 80, 135, colors::Blue));
  EXPECT_FALSE(near(p, 74, 135, colors::Blue));
  EXPECT_TRUE(near(w->outputIcon(), 12, 20, colors::Blue));  // the same at one seventh
}

TEST_F(DelayWork, PlayedFromItsButtonToTheEnd) {
  click("Button2");
  click("B4");
  settle();
  auto* w = dynamic_cast<DelayWindow*>(active());
  ASSERT_TRUE(w);
  EXPECT_EQ(w->windowTitle(), "Звено чистого запаздывания. Опыт №1");
  EXPECT_EQ(label("LT1"), " " + FloatToStr(w->data().A));
  EXPECT_EQ(label("Lw1"), " " + FloatToStr(w->data().w) + " рад/c");
  EXPECT_EQ(main->focusWidget(), w->edit(0));

  type(w, 0, FloatToStr(w->data().k * 2));
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(w, 0, FloatToStr(w->data().dashGain()));
  EXPECT_EQ(w->edit(0)->text(), numtext::FloatCut(w->data().k, 5));
  type(w, 1, FloatToStr(w->data().T * 1.04));
  EXPECT_EQ(w->edit(1)->text(), numtext::FloatCut(w->data().T, 6));
  EXPECT_TRUE(main->work().completed("Form4_1"));
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(main->focusWidget(), main->findChild<QWidget*>("BMenu"));
  EXPECT_EQ(messages.shown, QStringList{msg::WrongValue});

  click("BMenu");
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
}
