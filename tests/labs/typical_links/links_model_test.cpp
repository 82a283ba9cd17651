// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers behind the aperiodic- and oscillating-link windows, checked without windows:
// what a student reads off the drawn pixels is accepted, and the curves are the links'.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "framework/numtext.h"
#include "framework/random.h"
#include "labs/typical_links/aperiodic_model.h"
#include "labs/typical_links/lag_frequency.h"
#include "labs/typical_links/oscillating_model.h"

namespace {

// The settling time as a student reads it: both lines typed as 0.95k and 1.05k, the pointer
// on the last column at which the drawn curve is outside them, the readout's text typed.
double readTp(const std::function<int(int)>& row, double k, double dt, int chars) {
  const int low = static_cast<int>(std::ceil(230 - 100 * (0.95 * k))) + 10;
  const int high = static_cast<int>(std::ceil(230 - 100 * (1.05 * k))) + 10;
  int x = 360;
  while (x > 30 && row(x) <= low && row(x) >= high) --x;
  return *StrToFloat(numtext::FloatCut((x - 30) * dt, chars));
}

// Classic fourth-order Runge-Kutta over y' = f(t, y) for a state of two.
struct State {
  double a = 0, b = 0;
};
using Rhs = std::function<State(double, State)>;
State rk4(const Rhs& f, double t, State y, double h) {
  const auto add = [](State s, State d, double c) { return State{s.a + c * d.a, s.b + c * d.b}; };
  const State k1 = f(t, y), k2 = f(t + h / 2, add(y, k1, h / 2)), k3 = f(t + h / 2, add(y, k2, h / 2)),
              k4 = f(t + h, add(y, k3, h));
  return {y.a + h / 6 * (k1.a + 2 * k2.a + 2 * k3.a + k4.a), y.b + h / 6 * (k1.b + 2 * k2.b + 2 * k3.b + k4.b)};
}

}  // namespace

// Where the curve flattens a pixel of height spans several columns, so the time the pixels
// show can lie 10 % below tp (T = 0.5: 1.34 against 1.50); that reading is accepted, and
// readings 15 % below it, or 20 % below tp, are not.
// A model draws from the source it is given, not from the program's generator.
TEST(LinksModel, DrawsComeFromTheSourceGiven) {
  rnd::ScriptedSource given;
  given.push({50, 150, 40, 160, 30});
  const aperiodic::Step a = aperiodic::Step::draw(given);
  EXPECT_DOUBLE_EQ(a.T, 0.5);
  EXPECT_DOUBLE_EQ(a.k, 1.5);
  const oscillating::Step o = oscillating::Step::draw(given);
  EXPECT_DOUBLE_EQ(o.T, 0.4);
  EXPECT_DOUBLE_EQ(o.k, 1.6);
  EXPECT_DOUBLE_EQ(o.gamma, 0.3);
  EXPECT_TRUE(given.empty());
}

TEST(LinksModel, SettlingTimeReadOffTheDrawnCurveIsAcceptedAndFifteenPercentLowIsNot) {
  int draws = 0;
  for (int t = 10; t < 100; ++t)
    for (int k = 120; k < 200; k += 3) {
      aperiodic::Step s{t / 100.0, k / 100.0};
      SCOPED_TRACE(testing::Message() << "Form2_1 T " << s.T << " k " << s.k);
      const Acceptance rule = s.tpRule();
      const double read = readTp([&](int x) { return s.column(x); }, s.k, s.dt(), 6);
      ASSERT_TRUE(rule.accepts(read));
      ASSERT_TRUE(rule.accepts(s.tp()));
      ASSERT_FALSE(rule.accepts(0.85 * std::min(read, s.tp())));
      ASSERT_FALSE(rule.accepts(0.8 * s.tp()));
      ++draws;
    }
  for (int t = 30; t < 80; t += 7)
    for (int k = 60; k < 130; k += 9)
      for (int g = 10; g < 30; ++g) {
        const auto s = oscillating::Step::of(t / 100.0, k / 100.0, g / 100.0);
        SCOPED_TRACE(testing::Message() << "Form3_1 T " << s.T << " k " << s.k << " g " << s.gamma);
        const Acceptance rule = s.tpRule();
        const double read = readTp([&](int x) { return s.column(x); }, s.k, s.dt(), 5);
        ASSERT_TRUE(rule.accepts(read));
        ASSERT_TRUE(rule.accepts(s.tp));
        ASSERT_FALSE(rule.accepts(0.85 * std::min(read, s.tp)));
        ++draws;
      }
  EXPECT_GT(draws, 3000);
}

TEST(LinksModel, SettlingTimeAndOvershootOfTheOscillatingLink) {
  const struct {
    double T, k, gamma, sigma;
  } cases[] = {{0.5, 1.0, 0.10, 1.37}, {0.3, 0.6, 0.29, 2.59}, {0.79, 1.29, 0.2, 1.90}};
  for (const auto& c : cases) {
    const auto s = oscillating::Step::of(c.T, c.k, c.gamma);
    SCOPED_TRACE(c.gamma);
    EXPECT_NEAR(s.sigma(), c.sigma, 0.005);
    // tp is on the 0.01 s grid, outside the 5 % band, and nothing after it is.
    EXPECT_GE(std::fabs(s.k - s.step(s.tp)) / s.k, 0.05);
    for (double t = s.tp + 0.01; t < s.tp + 20 * c.T; t += 0.01) ASSERT_LT(std::fabs(s.k - s.step(t)) / s.k, 0.05);
    EXPECT_DOUBLE_EQ(s.dt(), 3 * s.tp / 380);
  }
}

TEST(LinksModel, OscillatingStepResponseMatchesASimulationOfTheLink) {
  const struct { double T, k, gamma; } cases[] = {{0.3, 0.6, 0.10}, {0.79, 1.29, 0.29}, {0.5, 1.0, 0.17}};
  for (const auto& c : cases) {
    const oscillating::Link l{c.T, c.k, c.gamma};
    // T²y'' + 2γTy' + y = k·1(t) from rest, and the same with the ramp input t.
    const Rhs step = [&](double, State y) { return State{y.b, (c.k - y.a - 2 * c.gamma * c.T * y.b) / (c.T * c.T)}; };
    const Rhs ramp = [&](double t, State y) { return State{y.b, (t - y.a - 2 * c.gamma * c.T * y.b) / (c.T * c.T)}; };
    State ys, yr;
    const double h = 1e-4;
    for (int i = 1; i <= 60000; ++i) {
      ys = rk4(step, (i - 1) * h, ys, h);
      yr = rk4(ramp, (i - 1) * h, yr, h);
      if (i % 1000 == 0) {
        SCOPED_TRACE(testing::Message() << "gamma " << c.gamma << " t " << i * h);
        ASSERT_NEAR(l.step(i * h), ys.a, 1e-7);
        ASSERT_NEAR(l.rampUnit(i * h), yr.a, 1e-7);
      }
    }
  }
}

TEST(LinksModel, OscillatingFrequencySeriesKeepsItsTimeConstant) {
  auto* script = new rnd::ScriptedSource;
  auto previous = rnd::install(std::unique_ptr<rnd::Source>(script));
  for (int drawn : {110, 125, 149, 300}) {
    oscillating::Frequency f;
    script->push({drawn, 120, 40});
    f.generate(true, rnd::source());
    EXPECT_DOUBLE_EQ(f.T, 1.10);
    EXPECT_DOUBLE_EQ(f.k, 1.20);
    EXPECT_DOUBLE_EQ(f.gamma, 0.40);
    f.generate(false, rnd::source());  // a later run draws nothing and keeps the series
    EXPECT_DOUBLE_EQ(f.k, 1.20);
  }
  rnd::install(std::move(previous));
}

TEST(LinksModel, AperiodicSinusoidsAreTheLinksSteadyState) {
  aperiodic::Frequency f;
  f.T = 1.3;
  f.k = 1.7;
  for (int run = 1; run <= 5; ++run) {
    const double w = f.omega(run);
    const double Ag = f.inputScale(w);
    // T·y' + y = k·Ag·sin(ωt), run for 40 time constants and 10 periods from rest.
    const Rhs lag = [&](double t, State y) { return State{(f.k * Ag * std::sin(w * t) - y.a) / f.T, 0}; };
    const double period = 2 * std::numbers::pi / w;
    const double settle = std::ceil(std::max(40 * f.T, 10 * period) / period) * period;
    const double h = period / 30000;
    State y;
    double t = 0;
    for (; t < settle - h / 2; t += h) y = rk4(lag, t, y, h);
    SCOPED_TRACE(run);
    // Pixel n of the plot is the phase n·π/150 of the input.
    for (int n = 0; n <= 250; ++n) {
      const double tn = settle + n * freq::K / w;
      while (t < tn - h / 2) {
        y = rk4(lag, t, y, h);
        t += h;
      }
      ASSERT_NEAR(f.output(w, n), y.a, 1.0) << n;
      ASSERT_EQ(f.input(w, n), static_cast<int>(std::ceil(Ag * std::sin(n * freq::K))));
    }
  }
}

TEST(LinksModel, AmplitudeAndPhaseReadOffTheSinePlotAreAccepted) {
  // Amplitude: the crest's height times the readout's scale; phase: the first pixel at which
  // the output has crossed zero upwards, against the input's crossing at the origin.
  const auto check = [](const FrequencyLink& link, int run) {
    const double w = link.omega(run);
    int crest = 0, cross = -1;
    for (int n = 0; n <= 250; ++n) {
      crest = std::max(crest, link.output(w, n));
      if (cross < 0 && n > 0 && link.output(w, n) > 0 && link.output(w, n - 1) <= 0) cross = n;
    }
    const double a = *StrToFloat(numtext::FloatCut(link.readoutAmplitude(crest, w), 5));
    // The readout shows the offset b·π/150 itself; the student types it negative.
    const double phi = -*StrToFloat(numtext::FloatCut(cross * freq::K, 4));
    return link.readAmplitudeRule(w).accepts(a) && link.readPhaseRule(w).accepts(phi);
  };
  int draws = 0;
  for (int t = 110; t < 150; ++t) {
    for (int k = 140; k < 200; k += 2) {
      auto s = std::make_unique<aperiodic::Frequency>();
      s->T = t / 100.0;
      s->k = k / 100.0;
      const LagFrequency link({}, std::move(s));
      for (int run : {1, 5}) ASSERT_TRUE(check(link, run)) << "Form2_4 T " << t << " k " << k << " run " << run;
      ++draws;
    }
    for (int g = 25; g < 65; g += 3) {
      auto s = std::make_unique<oscillating::Frequency>();
      s->T = 1.10;
      s->k = (100 + t % 40) / 100.0;
      s->gamma = g / 100.0;
      const double k = s->k;
      const LagFrequency link({}, std::move(s));
      for (int run : {1, 5}) ASSERT_TRUE(check(link, run)) << "Form3_4 k " << k << " g " << g << " run " << run;
      ++draws;
    }
  }
  EXPECT_GT(draws, 1500);
}
