// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The model against an independent integration of the loops, and the answer bands over every
// draw the windows can make.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "framework/numtext.h"
#include "labs/invariance/invariance_model.h"
#include "loop_rk4.h"
#include "support/call_source.h"

using namespace invariance;
using invariance_test::Loop;

namespace {

struct Lags {
  double t1, m;
};
// The ends of the drawn ranges, a middle draw, and (last) lags whose poles are real, which the
// ranges never give but the closed forms must survive.
const Lags kLags[] = {{0.010, 0.50}, {0.249, 1.99}, {0.1, 1.5}, {0.037, 0.73}, {0.2, 6.5}};

}  // namespace

TEST(InvarianceModel, ClosedFormsAreTheLoopsStepResponses) {
  for (const Lags& l : kLags) {
    const Params p = makeParams(l.t1, l.m);
    SCOPED_TRACE(testing::Message() << "T1 " << p.t1 << " T2 " << p.t2);
    const double dt = 10 / (400 * sigma(p));
    const auto plain = Loop{true, p.t1, p.t2, Loop::None}.samples(dt, 380);
    const auto gain = Loop{true, p.t1, p.t2, Loop::Gain}.samples(dt, 380);
    for (int i = 0; i <= 380; i += 19) {
      EXPECT_NEAR(uncorrectedResponse(p, i * dt), plain[i], 1e-7) << i;
      EXPECT_NEAR(gainResponse(p, i * dt), gain[i], 1e-7) << i;
    }
    if (omegaSquared(p) > 0) {  // the drawn lags settle within the plot
      EXPECT_NEAR(plain.back(), 0.5, 1e-3);
      EXPECT_NEAR(gain.back(), 1, 1e-3);
    }
  }
  EXPECT_LT(omegaSquared(makeParams(0.2, 6.5)), 0);
}

// The Euler curves of the disturbance windows and the three runs follow the loops (with the
// compensator as its formula reads) to within a pixel of their plots; the fastest lags' first
// steps leave the explicit Euler steps (a first-order method) up to a pixel and a half more behind.
TEST(InvarianceModel, EulerCurvesFollowTheLoopsWithinAPixel) {
  for (const Lags& l : {kLags[0], kLags[1], kLags[2], kLags[3]}) {
    const Params p = makeParams(l.t1, l.m);
    SCOPED_TRACE(testing::Message() << "T1 " << p.t1 << " T2 " << p.t2);
    for (Task task : {Task::Error, Task::Gain}) {
      const Plot plot = plotOf(Work::Disturbance, task, p);
      const auto sim = response(Work::Disturbance, task, p);
      const auto rk = Loop{false, p.t1, p.t2, task == Task::Gain ? Loop::Gain : Loop::None}.samples(plot.dt, 380);
      for (int i = 0; i <= 380; ++i) ASSERT_LE(std::abs(sim[i] - rk[i]) * plot.scale, 2.5) << i;
    }
    for (Work work : {Work::Reference, Work::Disturbance}) {
      const Plot plot = plotOf(work, Task::Runs, p);
      for (int k = 0; k < 3; ++k) {
        const auto sim = run(work, p, k);
        Loop loop{work == Work::Reference, p.t1, p.t2, Loop::Lead, runLag(work, p, k)};
        const auto rk = loop.samples(plot.dt, plot.columns);
        for (int i = 0; i <= plot.columns; ++i) ASSERT_LE(std::abs(sim[i] - rk[i]) * plot.scale, 2.5) << k << " " << i;
        EXPECT_NEAR(sim.back(), work == Work::Reference ? 1 : 0, 0.02);
      }
    }
    // Without compensation the disturbance leaves r at −0.5, inside the ticks below the axis.
    const auto r = response(Work::Disturbance, Task::Error, p);
    EXPECT_NEAR(r.back(), -0.5, 0.01);
    EXPECT_GE(-r.back() * 120, 60 - 1);
    EXPECT_LE(-valueTicks(Work::Disturbance, Task::Error).back().value, 0.51);
  }
}

TEST(InvarianceModel, RunsShareOneTimeScale) {
  const Params p = makeParams(0.1, 1.5);
  EXPECT_DOUBLE_EQ(plotOf(Work::Reference, Task::Runs, p).dt, 4 * (0.1 + 0.15 + 0.075) / 400);
  EXPECT_DOUBLE_EQ(runLag(Work::Reference, p, 0), 0.075);
  EXPECT_DOUBLE_EQ(runLag(Work::Disturbance, p, 2), 0.2);
}

// b as the label shows it is accepted for every draw, and so is T itself; the band around T
// alone refuses some shown values (T2 = 0.0105 shows "0.010").
TEST(InvarianceModel, LeadTypedAsShownIsAcceptedForEveryDraw) {
  const QChar before = numtext::decimalSeparator();
  for (QChar sep : {QChar('.'), QChar(',')}) {
    numtext::setDecimalSeparator(sep);
    int refusedByTheBareBand = 0;
    for (int a = 10; a < 250; ++a)
      for (int b = 50; b < 200; ++b) {
        const Params p = drawParams(calls([&](int lo, int) { return lo == 10 ? a : b; }));
        for (Work w : {Work::Reference, Work::Disturbance}) {
          const double truth = leadConstant(w, p);
          const double shown = *StrToFloat(numtext::FloatCut(truth, 5));
          const Acceptance band = leadBand(truth, shown);
          ASSERT_TRUE(band.accepts(shown) && band.accepts(truth)) << a << " " << b;
          EXPECT_GE(band.lo, 0.98 * std::min(truth, shown));
          EXPECT_LE(band.hi, 1.02 * std::max(truth, shown));
          refusedByTheBareBand += !Acceptance::band(truth, 0.98, 1.02).accepts(shown);
        }
      }
    EXPECT_GT(refusedByTheBareBand, 100);
  }
  numtext::setDecimalSeparator(before);
  EXPECT_EQ(numtext::FloatCut(makeParams(0.01, 1.05).t2, 5), QString("0.010").replace('.', before));
}

// T2 = T1/2 makes the disturbance's response dip deepest (−0.68, 82 pixels under the axis)
// before it settles at −0.5: the whole dip is on the plot's 239 rows.
TEST(InvarianceModel, DisturbanceDipStaysOnThePlot) {
  const Params p = makeParams(0.01, 0.5);
  const Plot plot = plotOf(Work::Disturbance, Task::Error, p);
  int lowest = 0;
  for (double r : response(Work::Disturbance, Task::Error, p)) lowest = std::max(lowest, rowOf(plot, r));
  EXPECT_GE(lowest, plot.y0 + 80);
  EXPECT_LT(lowest + 1, 239);  // pen width 2
}
