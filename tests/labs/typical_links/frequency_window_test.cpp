// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Form1_4: six runs with one T, markers of the answered runs, the closing summary, the
// restart at the error limit.
#include <QLabel>

#include "framework/messages.h"
#include "integrating_fixture.h"

using Frequency = Integrating;

namespace {
QPoint centre(const freq::Box& b) { return {(b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2}; }
}  // namespace

TEST_F(Frequency, FirstRunOfASeries) {
  auto* f = openFrequency(120);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.1");
  EXPECT_DOUBLE_EQ(series(f).T, 1.2);
  EXPECT_NEAR(f->omega(), std::pow(1 / 1.2, 4), 1e-12);
  EXPECT_EQ(label("Lw1"), "w=" + numtext::FloatCut(f->omega(), 5) +
                              "рад/с, lg(w)=" + numtext::FloatCut(std::log10(f->omega()), 6) + "c");
  EXPECT_EQ(label("LL"), "L=20*lg(A)=???");
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(f->edit(0)->isEnabled());
  EXPECT_FALSE(f->edit(1)->isEnabled());
  // Frames drawn, no markers yet.
  for (PlotView* v : {f->Image12, f->Image21, f->Image22}) {
    EXPECT_EQ(px(v, 150, 30), colors::Black);
    EXPECT_EQ(count(v, QRect(0, 0, 301, 125), colors::Yellow), 0);
  }
  // The sine plot: input dashes at the input's amplitude, the output the larger one here.
  const auto& s = series(f);
  EXPECT_EQ(px(f->Image11, 22, 60 - s.inputDash(f->omega())), colors::Red);
  EXPECT_EQ(px(f->Image11, 22, 60 - 55), colors::Blue);
  EXPECT_TRUE(near(f->Image11, 40, 60 - s.output(f->omega(), 0), colors::Blue));
}

TEST_F(Frequency, AmplitudeShowsSevenCharactersAndTheLevel) {
  auto* f = openFrequency(120);
  answerRun(f);  // run 2: A = 1.2^1.5 = 1.31453...
  ASSERT_EQ(main->work().RepeatCount, 2);
  const double a = f->link().amplitude(f->omega());
  type(f, 0, FloatToStr(a * 1.049));
  EXPECT_EQ(f->edit(0)->text(), numtext::FloatCut(a, 7));
  EXPECT_EQ(f->edit(0)->text().size(), 7);  // more than the six that may be typed
  EXPECT_EQ(label("LL"), "L=20*lg(A)= " + numtext::FloatCut(20 * std::log10(a), 6));
  EXPECT_TRUE(f->edit(1)->isEnabled());
  answerRun(f);
  EXPECT_EQ(f->edit(0)->maxLength(), 6);
  EXPECT_EQ(f->edit(1)->maxLength(), 5);
}

TEST_F(Frequency, SixRunsShareOneTAndEndInTheSummary) {
  auto* f = openFrequency(120);
  script({130, 140, 111, 149, 125});  // drawn again in every run, never kept
  const auto& s = series(f);
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(main->work().RepeatCount, r);
    EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4." + QString::number(r));
    EXPECT_DOUBLE_EQ(s.T, 1.2);
    EXPECT_DOUBLE_EQ(f->omega(), s.omega(r));
    // Every run answered so far has its marker on all three plots, the others none.
    for (int i = 1; i <= 5; ++i) {
      const double w = s.omega(i);
      // (The hodograph's markers overlap one another on its axis; these two plots keep them apart.)
      EXPECT_EQ(px(f->Image22, centre(s.phaseMarker(w)).x(), centre(s.phaseMarker(w)).y()) == colors::Yellow, i < r)
          << i;
      EXPECT_EQ(px(f->Image12, centre(s.lafcMarker(w)).x(), centre(s.lafcMarker(w)).y()) == colors::Yellow, i < r) << i;
    }
    answerRun(f);
  }
  EXPECT_EQ(main->work().RepeatCount, 6);
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.6");
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(main->work().completed("Form1_4"));
  EXPECT_FALSE(f->edit(0)->isEnabled());
  EXPECT_FALSE(f->edit(1)->isEnabled());
  EXPECT_FALSE(readoutShown());
  EXPECT_DOUBLE_EQ(s.T, 1.2);

  // The table replaced the sine plot: grid, red header, blue rows.
  EXPECT_EQ(px(f->Image11, 60, 50), colors::Black);
  EXPECT_EQ(px(f->Image11, 30, 20), colors::Black);
  EXPECT_EQ(px(f->Image11, 300, 110), colors::Black);
  EXPECT_GT(ink(f->Image11, QRect(1, 1, 58, 18), colors::Red), 20);
  EXPECT_EQ(count(f->Image11, QRect(0, 0, 301, 125), colors::Yellow), 0);
  for (int i = 1; i <= 5; ++i) EXPECT_GT(ink(f->Image11, QRect(245, 122 * i / 6 + 2, 54, 14), colors::Blue), 20) << i;
  // The exact characteristics in green.
  EXPECT_EQ(px(f->Image21, 150, 110), colors::Green);
  EXPECT_EQ(px(f->Image22, 30, 90), colors::Green);
  EXPECT_TRUE(near(f->Image12, 127, 60, colors::Green, 1));                 // 0 dB at ω = 1/T
  EXPECT_GT(count(f->Image21, QRect(145, 60, 11, 60), colors::Yellow), 0);  // markers under the line

  // Next does nothing more; Menu leaves without asking.
  main->BNextClick();
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.6");
  EXPECT_EQ(main->work().RepeatCount, 7);
  // However often Next is pressed after that, the run never comes round again.
  for (int i = 0; i < 300; ++i) main->BNextClick();
  EXPECT_EQ(main->work().RepeatCount, 7);
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.6");
  EXPECT_TRUE(messages.shown.isEmpty());
  main->BMenuClick();
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
}

TEST_F(Frequency, AFreshSeriesAfterTheClosingRunIsNotAFinishedWork) {
  script({50, 1000});
  auto* sine = dynamic_cast<SineForm*>(start("Form1_3"));
  main->work().setCompleted("Form1_3", true);
  main->BNextClick();
  settle();
  auto* f = window<FrequencyForm>("Form1_4");
  ASSERT_NE(f, nullptr);
  script({130, 140, 111, 149, 125});
  for (int r = 1; r <= 5; ++r) answerRun(f);
  ASSERT_TRUE(main->work().WorkDone);
  // Back and Next again: the readout starts over at "???" like every activation.
  main->BBackClick();
  main->BNextClick();
  EXPECT_TRUE(readoutShown());
  EXPECT_EQ(label("KoordX1"), "???");

  f->close();
  flushDeletes();
  EXPECT_FALSE(main->work().WorkDone);
  main->open("Form1_3");
  ASSERT_EQ(active(), sine);
  script({120});
  main->BNextClick();
  settle();
  f = window<FrequencyForm>("Form1_4");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.1");
  messages.answers = {false};
  main->BMenuClick();
  EXPECT_EQ(messages.asked.size(), 1);
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_EQ(active(), f);
}

TEST_F(Frequency, ThirdErrorInRunFourRestartsTheSeries) {
  auto* f = openFrequency(120);
  for (int r = 1; r <= 3; ++r) answerRun(f);
  ASSERT_EQ(main->work().RepeatCount, 4);
  EXPECT_GT(count(f->Image22, QRect(0, 0, 301, 125), colors::Yellow), 0);
  type(f, 0, "100");
  type(f, 0, "200");
  type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
  script({140});
  type(f, 1, "1.57");
  EXPECT_EQ(messages.last(), msg::TooManyErrors);  // errors of both boxes count together
  settle();
  EXPECT_EQ(main->work().RepeatCount, 1);
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.1");
  EXPECT_DOUBLE_EQ(series(f).T, 1.4);
  EXPECT_DOUBLE_EQ(f->omega(), series(f).omega(1));
  for (PlotView* v : {f->Image12, f->Image21, f->Image22})
    EXPECT_EQ(count(v, QRect(0, 0, 301, 125), colors::Yellow), 0);
  EXPECT_EQ(f->errorCount(), 0);
  EXPECT_TRUE(f->edit(0)->text().isEmpty());
  EXPECT_FALSE(main->Busy);
  answerRun(f);
  EXPECT_EQ(main->work().RepeatCount, 2);
  EXPECT_DOUBLE_EQ(series(f).T, 1.4);
}

TEST_F(Frequency, PhaseMinusHalfPiInEveryRunPlusHalfPiNever) {
  auto* f = openFrequency(133);
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
    type(f, 1, "1.57");
    EXPECT_EQ(messages.last(), msg::WrongValue);
    EXPECT_EQ(main->work().RepeatCount, r);
    type(f, 1, "-1.57");
    settle();
    EXPECT_EQ(main->work().RepeatCount, r + 1);
    EXPECT_EQ(f->errorCount(), 0);  // each run counts afresh
  }
}

TEST_F(Frequency, AmplitudeBandPerRun) {
  auto* f = openFrequency(149);
  for (int r = 1; r <= 5; ++r) {
    SCOPED_TRACE(r);
    const double a = f->link().amplitude(f->omega());
    // ±5 %, or one pixel of the sine plot where that is wider (run 5: 1/55 against 0.30).
    const double pixel = f->link().readoutAmplitude(1, f->omega());
    type(f, 0, FloatToStr(std::max(a * 1.06, a + 1.05 * pixel)));
    EXPECT_EQ(messages.last(), msg::WrongValue);
    messages.clear();
    type(f, 0, FloatToStr(a * 0.951));
    EXPECT_TRUE(f->edit(0)->isReadOnly());
    type(f, 1, "-1.5");
    settle();
  }
  EXPECT_TRUE(main->work().WorkDone);
}

TEST_F(Frequency, ReadoutOfTheSinePlot) {
  auto* f = openFrequency(120);
  answerRun(f);
  answerRun(f);  // run 3: ωT = 1, both amplitudes 55 pixels
  EXPECT_EQ(label("KoordX"), "A =");
  EXPECT_EQ(label("KoordY"), QStringLiteral("φ ="));
  EXPECT_EQ(label("KoordY1"), "???");
  drag(f->Image11, 115, 5);
  EXPECT_EQ(label("KoordY"), QStringLiteral("φ = "));
  EXPECT_EQ(label("KoordY1"), loc("1.57 рад;"));
  EXPECT_EQ(label("KoordX1"), "1.");
  drag(f->Image11, 400, 200);
  EXPECT_EQ(label("KoordY1"), numtext::FloatCut(480 * std::numbers::pi / 150, 4) + " рад;");
  EXPECT_EQ(label("KoordX1"), "0.");
  drag(f->Image11, 20, 100);  // left of and below the axes: negative
  EXPECT_EQ(label("KoordY1"), loc("-0.4 рад;"));
  EXPECT_EQ(label("KoordX1"), loc("-0.72."));
  drag(f->Image11, 20, 100, Qt::NoButton);
  EXPECT_EQ(readoutTitle(), "Координаты указателя (locked)");
}

TEST_F(Frequency, BackAndNextMidRunKeepTheRun) {
  auto* sine = openSine(20, 500);
  type(sine, 0, "1");
  type(sine, 1, "-1.57");
  main->work().RepeatCount = 7;  // left over from an earlier work
  script({120});
  main->BNextClick();
  settle();
  auto* f = window<FrequencyForm>("Form1_4");
  ASSERT_TRUE(f);
  EXPECT_EQ(main->work().RepeatCount, 1);
  answerRun(f);
  type(f, 0, FloatToStr(f->link().amplitude(f->omega())));
  main->BBackClick();
  EXPECT_EQ(active(), sine);
  main->BNextClick();
  settle();
  EXPECT_EQ(active(), f);
  EXPECT_EQ(main->work().RepeatCount, 2);
  EXPECT_EQ(f->windowTitle(), "Интегрирующее звено. Опыт №4.2");
  EXPECT_TRUE(f->edit(0)->isReadOnly());
  EXPECT_TRUE(f->edit(1)->isEnabled());
  // Frames redrawn on activation, with the first run's marker on them.
  const auto& s = series(f);
  const QPoint c = centre(s.phaseMarker(s.omega(1)));
  EXPECT_EQ(px(f->Image22, c.x(), c.y()), colors::Yellow);
  EXPECT_EQ(label("KoordX1"), "???");
}
