// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Form1_1 to Form1_3: what the student reads off the plots, what is accepted, and the plots.
#include "help/help_viewer.h"
#include <QLabel>

#include "framework/messages.h"
#include "integrating_fixture.h"

using Step = Integrating;
using Ramp = Integrating;
using Sine = Integrating;

TEST_F(Step, BandAroundTAcceptsItsBoundsAndRefusesBeyond) {
  struct Case {
    int draw;
    const char* typed;
    bool accepted;
  } cases[] = {
      {50, "0.5", true},    {50, "0.475", true},  {50, "0.525", true},   {50, "0.474", false},
      {50, "0.526", false}, {10, "0.0951", true}, {10, "0.0949", false}, {99, "1.039", true},
      {99, "1.04", false},  {99, "0.94", false},  {50, "-0.5", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    auto* w = openStep(c.draw);
    type(w, 0, c.typed);
    EXPECT_EQ(w->edit(0)->isReadOnly(), c.accepted);
    EXPECT_EQ(main->work().completed("Form1_1"), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(w->edit(0)->text(), FloatToStr(c.draw / 100.0));  // the exact T, not what was typed
      EXPECT_TRUE(messages.shown.isEmpty());
    } else {
      EXPECT_EQ(messages.last(), msg::WrongValue);
    }
    messages.clear();
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
  }
}

TEST_F(Step, ThirdWrongAnswerDrawsANewT) {
  auto* w = openStep(50);
  script({80});
  type(w, 0, "0.6");
  type(w, 0, "0.3");
  EXPECT_DOUBLE_EQ(w->data().p.T, 0.5);
  type(w, 0, "0.7");
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  settle();
  EXPECT_DOUBLE_EQ(w->data().p.T, 0.8);
  EXPECT_EQ(w->errorCount(), 0);
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(w->edit(0)->isEnabled());
  // The old answer is wrong now, the new one right.
  type(w, 0, "0.5");
  EXPECT_FALSE(w->edit(0)->isReadOnly());
  type(w, 0, "0.8");
  EXPECT_TRUE(main->work().completed("Form1_1"));
}

TEST_F(Step, FinishedPlotShowsTheStepAndTheRamp) {
  auto* w = openStep(50);
  PlotView* p = w->plot();
  // The output crosses the level h = 1 (row 130) at column 220, t = T: just below it on the
  // left, just above it on the right (the red level is drawn over the crossing itself).
  EXPECT_EQ(px(p, 218, 132), colors::Blue);
  EXPECT_EQ(px(p, 218, 134), colors::White);
  EXPECT_EQ(px(p, 222, 128), colors::Blue);
  EXPECT_EQ(px(p, 222, 127), colors::White);
  EXPECT_EQ(px(p, 210, 136), colors::Blue);  // 180 steps: 104 pixels high
  EXPECT_EQ(px(p, 25, 240), colors::Blue);   // at rest before the step
  EXPECT_EQ(px(p, 30, 180), colors::Red);    // the step itself
  EXPECT_EQ(px(p, 300, 130), colors::Red);
  EXPECT_EQ(px(p, 300, 132), colors::White);
  EXPECT_EQ(px(p, 30, 100), colors::Black);  // vertical axis above the step
  EXPECT_EQ(px(p, 400, 240), colors::Black);
  EXPECT_GT(ink(p, QRect(380, 100, 30, 16), colors::Red), 10);  // "g(t)"
  // The icons repeat the plot at one seventh.
  EXPECT_EQ(TypicalForm::mini(30), 5);
  EXPECT_EQ(TypicalForm::mini(240), 35);
  EXPECT_EQ(px(w->inputIcon(), 5, 36), colors::Black);
  EXPECT_TRUE(near(w->inputIcon(), TypicalForm::mini(300), TypicalForm::mini(130), colors::Red, 0));
  EXPECT_TRUE(near(w->outputIcon(), TypicalForm::mini(220), TypicalForm::mini(130), colors::Blue, 1));
  EXPECT_EQ(count(w->outputIcon(), QRect(0, 0, 65, 57), colors::Red), 0);
}

TEST_F(Step, ReadoutAtTheNamedPoints) {
  auto* w = openStep(50);
  EXPECT_TRUE(readoutShown());
  EXPECT_EQ(label("KoordX1"), "???");
  drag(w->plot(), 220, 130);
  EXPECT_EQ(readoutTitle(), "Координаты указателя");
  EXPECT_EQ(label("KoordY"), "t = ");
  EXPECT_EQ(label("KoordY1"), loc("0.5 c;"));
  EXPECT_EQ(label("KoordX"), "h = ");
  EXPECT_EQ(label("KoordX1"), "1.");
  drag(w->plot(), 412, 250);
  EXPECT_EQ(label("KoordY1"), numtext::FloatCut(410 * 0.5 / 190, 5) + " c;");
  EXPECT_EQ(label("KoordY1"), loc("1.078 c;"));
  EXPECT_EQ(label("KoordX1"), "0.");
  drag(w->plot(), 10, 5);
  EXPECT_EQ(label("KoordY1"), "0 c;");
  EXPECT_EQ(label("KoordX1"), loc("2.1818."));  // 240/110 cut to six characters
  // Without the left button alone the readout locks and keeps its values.
  drag(w->plot(), 100, 100, Qt::NoButton);
  EXPECT_EQ(readoutTitle(), "Координаты указателя (locked)");
  EXPECT_EQ(label("KoordX1"), loc("2.1818."));
  drag(w->plot(), 100, 100, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(label("KoordX1"), loc("2.1818."));
  drag(w->plot(), 100, 100, Qt::LeftButton | Qt::RightButton);
  EXPECT_EQ(readoutTitle(), "Координаты указателя (locked)");
}

TEST_F(Step, HelpContextOfTheWindowAndOfItsControls) {
  auto* w = openStep(50);
  EXPECT_EQ(w->helpContext(), 11);
  // F1 on its answer box opens the window's own topic, not the oscillating link's.
  w->edit(0)->setFocus();
  main->showHelp();
  EXPECT_EQ(main->helpViewer()->currentContext(), 11);
  EXPECT_EQ(w->windowTitle(), "Интегрирующее звено. Опыт №1");
}

TEST_F(Step, PacedTraceHoldsTheCommandBarAndDiesWithItsWindow) {
  pacing(true);
  script({50});
  main->workClick("Form1_1");
  QPointer<RampForm> w = window<RampForm>("Form1_1");
  bool busyMidway = false, fieldShutMidway = false, labelsEarly = true;
  QTimer::singleShot(80, w.data(), [&] {
    busyMidway = main->Busy;
    fieldShutMidway = !w->edit(0)->isEnabled();
    labelsEarly = ink(w->plot(), QRect(380, 100, 30, 16), colors::Red) > 0;
    // Clicks mid-trace change nothing; then the close box, as the student may click it.
    main->BNextClick();
    main->BMenuClick();
    w->close();
  });
  settle(150);
  flushDeletes();
  EXPECT_TRUE(busyMidway);
  EXPECT_TRUE(fieldShutMidway);
  EXPECT_FALSE(labelsEarly);
  EXPECT_TRUE(messages.asked.isEmpty());
  EXPECT_TRUE(w.isNull());
  EXPECT_FALSE(main->Busy);
  EXPECT_EQ(main->findWindow("Form1_1"), nullptr);
}

TEST_F(Ramp, ExactTOnlyAndTheCrossingMark) {
  auto* w = openRamp(67);
  EXPECT_FALSE(readoutShown());
  type(w, 0, "0.68");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(w, 0, "0.669");
  EXPECT_EQ(w->errorCount(), 2);
  EXPECT_EQ(w->data().markX, 284);
  EXPECT_EQ(FloatToStr(w->data().crossingTime) + " c", loc("1.34 c"));
  PlotView* p = w->plot();
  EXPECT_EQ(px(p, 284, 200), colors::Black);  // the mark down to the time axis
  EXPECT_EQ(px(p, 283, 200), colors::White);
  EXPECT_GT(ink(p, QRect(284, 241, 40, 14), colors::Black), 10);  // its label
  EXPECT_TRUE(near(p, 370, 64, colors::Blue));                    // r(340) = 176, as for any T
  EXPECT_TRUE(near(p, 210, 171, colors::Red));                    // g(180) = 69
  EXPECT_GT(ink(p, QRect(380, 20, 30, 16), colors::Blue), 10);    // "r(t)" at the curve's end
  EXPECT_GT(ink(p, QRect(380, 93, 30, 16), colors::Red), 10);     // "g(t)"
  type(w, 0, "0.67");
  EXPECT_TRUE(w->edit(0)->isReadOnly());
  EXPECT_EQ(w->edit(0)->text(), loc("0.67"));
  EXPECT_TRUE(main->work().completed("Form1_2"));
}

TEST_F(Sine, PhaseBandIsLiteralAndAmplitudeIsBandedAroundOneOverOmegaT) {
  auto* w = openSine(20, 500);  // T = 0.2, ω = 5: r max = 1
  EXPECT_FALSE(readoutShown());
  EXPECT_FALSE(w->edit(1)->isEnabled());
  type(w, 0, "1.06");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(w, 0, "0.95");
  EXPECT_EQ(w->edit(0)->text(), "1");
  EXPECT_TRUE(w->edit(1)->isEnabled());
  EXPECT_FALSE(main->work().completed("Form1_3"));
  script({30, 1000});
  type(w, 1, "-1.65");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(w, 1, "1.57");
  EXPECT_EQ(messages.last(), msg::TooManyErrors);  // the third error of the window
  settle();
  EXPECT_DOUBLE_EQ(w->data().p.T, 0.3);
  EXPECT_DOUBLE_EQ(w->data().p.w, 10);
  EXPECT_TRUE(w->edit(0)->text().isEmpty());
  type(w, 0, FloatToStr(1 / 3.0));
  EXPECT_EQ(w->edit(0)->text(), loc("0.333"));  // cut to five characters
  type(w, 1, "-1.57");
  EXPECT_EQ(w->edit(1)->text(), loc("-1.570796"));  // whole, although the box takes seven typed
  EXPECT_EQ(w->edit(1)->maxLength(), 9);
  EXPECT_TRUE(main->work().completed("Form1_3"));
}

TEST_F(Sine, PhaseAnswersAroundMinusHalfPi) {
  struct Case {
    const char* typed;
    bool accepted;
  } cases[] = {{"-1.57", true},   {"-1.649", true}, {"-1.4923", true}, {"-1.65", false},
               {"-1.492", false}, {"1.57", false},  {"-90", false}};
  for (const auto& c : cases) {
    auto* w = openSine(20, 500);
    type(w, 0, "1");
    type(w, 1, c.typed);
    EXPECT_EQ(main->work().completed("Form1_3"), c.accepted) << c.typed;
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
  }
}

TEST_F(Sine, OutputDashesOnePixelInsideTheInputDashes) {
  auto* w = openSine(20, 500);
  EXPECT_EQ(w->data().amplitudePixels, 109);
  PlotView* p = w->plot();
  EXPECT_EQ(px(p, 45, 24), colors::White);
  EXPECT_EQ(px(p, 45, 25), colors::Red);
  EXPECT_EQ(px(p, 45, 26), colors::Blue);
  EXPECT_EQ(px(p, 45, 27), colors::White);
  EXPECT_EQ(px(p, 35, 25), colors::White);  // between two dashes
  // The curves: output at its trough -1/(ωT) at the left edge, input through zero at x = 30.
  EXPECT_TRUE(near(p, 30, 244, colors::Blue));
  EXPECT_TRUE(near(p, 30, 135, colors::Red));
  EXPECT_TRUE(near(p, 220, 26, colors::Blue));                      // k = 190: half a period later, the crest
  EXPECT_GT(ink(p, QRect(0, 120 - 109, 30, 12), colors::Blue), 5);  // "rmax"
  // The task panel shows the data.
  const auto labels = w->findChildren<QLabel*>();
  QStringList texts;
  for (auto* l : labels) texts << l->text();
  EXPECT_TRUE(texts.contains(loc(" 0.2 c")));
  EXPECT_TRUE(texts.contains(" 5 рад/c"));
  EXPECT_TRUE(texts.contains(QStringLiteral("ω = ")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Δφ= ")));
}
