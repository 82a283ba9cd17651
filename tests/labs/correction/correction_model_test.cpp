// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the correction works over their whole parameter range: the gains, the Euler
// run, the settling time, and what a student gets from the screen.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/acceptance.h"
#include "framework/numtext.h"
#include "labs/correction/correction_layout.h"
#include "labs/correction/correction_model.h"
#include "support/call_source.h"

using namespace correction;

namespace {

const Scheme kSchemes[] = {Scheme::Series, Scheme::Parallel, Scheme::LocalFeedback};

// Every (T1, m) the windows can draw.
template <class F>
void forEveryDraw(F f) {
  for (int t = 10; t < 250; ++t)
    for (int m = 65; m < 85; ++m) {
      int n = 0;
      const Params p = drawParams(calls([&](int a, int b) {
        EXPECT_TRUE(n == 0 ? (a == 10 && b == 250) : (a == 65 && b == 85));
        return n++ == 0 ? t : m;
      }));
      f(p);
    }
}

}  // namespace

TEST(CorrectionModel, EveryGainGivesADoubleRootOverTheWholeRange) {
  struct Range {
    Scheme s;
    double lo, hi;  // of the last gain
  } ranges[] = {{Scheme::Series, 1.16, 1.64}, {Scheme::Parallel, 0.40, 1.61}, {Scheme::LocalFeedback, 0.061, 0.191}};
  for (const Range& r : ranges) {
    double lo = 1e9, hi = -1e9;
    forEveryDraw([&](const Params& p) {
      for (double k : gains(r.s, p.T1, p.T2)) {
        const Polynomial c = characteristic(r.s, p.T1, p.T2, k);
        ASSERT_NEAR(c.discriminant() / (c.a1 * c.a1), 0, 1e-12) << int(r.s) << " T1=" << p.T1 << " m=" << p.m;
        ASSERT_GT(c.a0, 0);  // a stable double pole
        ASSERT_GT(c.a1, 0);
      }
      const double k = gains(r.s, p.T1, p.T2).back();
      lo = std::min(lo, k);
      hi = std::max(hi, k);
    });
    EXPECT_GE(lo, r.lo) << int(r.s);
    EXPECT_LE(hi, r.hi) << int(r.s);
  }
  // k1 of the parallel work is the larger gain; the local loop asks only for the smaller root.
  EXPECT_EQ(gains(Scheme::Parallel, 0.1, 0.7).size(), 2u);
  EXPECT_GT(gains(Scheme::Parallel, 0.1, 0.7)[0], gains(Scheme::Parallel, 0.1, 0.7)[1]);
  EXPECT_EQ(gains(Scheme::LocalFeedback, 0.1, 0.7).size(), 1u);
}

TEST(CorrectionModel, EulerStepUsesTheValueJustComputedAndSettlesOnTheLoopsGain) {
  struct Case {
    Scheme s;
    double firstX;  // x after one step from rest, in units of dt/T1
    double steady;  // the closed loop's static gain
  };
  const double T1 = 0.05, T2 = 0.35, k = 0.8, dt = stepDt(T1, T2);
  const Case cases[] = {{Scheme::Series, k, k / (1 + k)},
                        {Scheme::Parallel, 1, (k + 1) / (k + 2)},
                        {Scheme::LocalFeedback, 1, 1 / (2 - k)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.s));
    const State one = eulerStep(c.s, T1, T2, k, dt, {});
    EXPECT_DOUBLE_EQ(one.x, dt * c.firstX / T1);
    // y moves in the same step, from the new x (and, in parallel, straight from k).
    const double yDrive = c.s == Scheme::Parallel ? k + one.x : one.x;
    EXPECT_DOUBLE_EQ(one.y, dt * yDrive / T2);
    const Response r = simulate(c.s, T1, T2, k);
    ASSERT_EQ(r.y.size(), std::size_t(kRunSteps + 1));
    EXPECT_NEAR(r.steady(), c.steady, 1e-6);
    EXPECT_DOUBLE_EQ(r.error(), 1 - r.y.back());
  }
}

TEST(CorrectionModel, SettlingTimeIsTheColumnOfTheLastPointOutsideTheBandAroundTheRunsEnd) {
  struct Case {
    const char* why;
    std::vector<double> y;
    double expected;  // in steps
  } cases[] = {
      {"band around y∞ = 0.9, not around 1", {0, 0.80, 0.86, 0.88, 0.9}, 1},
      {"on 0.95·y∞ is outside", {0, 0.2, 0.95, 1, 1}, 2},
      {"on 1.05·y∞ is inside", {0, 0.2, 1.05, 1, 1}, 1},
      {"an overshoot above the band counts", {0, 1, 1.2, 1, 1}, 2},
      {"j·dt: the column where the point is drawn", {0, 0, 0, 0, 1}, 3},
      {"never outside", {1, 1, 1}, 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(settlingTime(c.y, 0.25), 0.25 * c.expected) << c.why;
}

// The fastest responses (the parallel work's second window, k1 about 11 to 13) settle within
// some 15 to 19 columns; one column read late must still be inside the ±10 % band.
TEST(CorrectionModel, SettlingTimeReadWhereTheDrawnCurveEntersTheBandIsAccepted) {
  for (double mFirst : {6.5, 7.4, 8.4}) {
    const double k = gains(Scheme::Parallel, 0.1, 0.1 * mFirst)[0];
    int refused = 0, draws = 0;
    forEveryDraw([&](const Params& p) {
      const Response r = simulate(Scheme::Parallel, p.T1, p.T2, k);
      const int rowLow = row(0.95 * r.steady()), rowHigh = row(1.05 * r.steady());
      int last = 0;  // last drawn column whose point lies outside the lines
      for (int i = 1; i < kEndPass - kInputPass; ++i)
        if (row(r.y[i]) > rowLow || row(r.y[i]) < rowHigh) last = i;
      const Acceptance band = Acceptance::band(r.settling, 0.9, 1.1);
      ++draws;
      refused += !band.accepts(last * r.dt) || !band.accepts((last + 1) * r.dt);
    });
    EXPECT_EQ(refused, 0) << "k = " << k << " over " << draws << " draws";
  }
}

// What the student types is worked out from T1 and T2 as the window shows them.
TEST(CorrectionModel, GainsWorkedOutFromTheShownTimeConstantsAreAccepted) {
  numtext::setDecimalSeparator('.');
  for (Scheme s : kSchemes) {
    const int chars = work(s).t2Chars;
    int refused = 0;
    forEveryDraw([&](const Params& p) {
      const double T1 = *StrToFloat(FloatToStr(p.T1));
      const double T2 = *StrToFloat(numtext::FloatCut(p.T2, chars));
      const std::vector<double> truth = gains(s, p.T1, p.T2), read = gains(s, T1, T2);
      for (std::size_t i = 0; i < truth.size(); ++i) refused += !Acceptance::band(truth[i]).accepts(read[i]);
    });
    EXPECT_EQ(refused, 0) << int(s);
  }
}

TEST(CorrectionModel, WorksAndTheirWindows) {
  EXPECT_EQ(layout::counter(work(Scheme::Parallel), {.index = 2, .count = 3}), Counter::Spaced);
  EXPECT_EQ(layout::counter(work(Scheme::Parallel), {.index = 3, .count = 3}), Counter::Tight);
  EXPECT_EQ(layout::caption(work(Scheme::LocalFeedback), 1), "Коррекция в виде местной обратной связи. Опыт №1");
  EXPECT_EQ(row(1.0), 50);
  EXPECT_EQ(row(0.5), 115);
}

// Read off the plot as the window shows it, T1 = 0.010: the settling time against the lines
// typed at 0.95·y∞ and 1.05·y∞ on the series work's slow tail (m = 6.7), and e at the
// pointer on the parallel work's settled curve (m = 6.9, e ≈ 0.076, a band under a pixel).
TEST(CorrectionModel, ReadingsOffThePlotAreAccepted) {
  const Response series = simulate(Scheme::Series, 0.010, 0.067, gains(Scheme::Series, 0.010, 0.067)[0]);
  const double tp = drawnSettling(series);
  EXPECT_FALSE(Acceptance::band(series.settling, 0.9, 1.1).accepts(tp));
  EXPECT_TRUE(settlingRule(series).accepts(tp));
  EXPECT_TRUE(settlingRule(series).accepts(series.settling));

  const Response parallel = simulate(Scheme::Parallel, 0.010, 0.069, gains(Scheme::Parallel, 0.010, 0.069)[0]);
  EXPECT_DOUBLE_EQ(readSteady(parallel), 0.93);
  EXPECT_FALSE(Acceptance::band(parallel.error()).accepts(1 - 0.93));
  EXPECT_TRUE(errorRule(parallel).accepts(1 - 0.93));
  EXPECT_TRUE(errorRule(parallel).accepts(parallel.error()));
}
