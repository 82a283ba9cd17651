// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the stability works against an independent working-out.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "closed_forms.h"
#include "framework/pixels.h"
#include "labs/stability/stability_model.h"
#include "labs/stability/stability_table.h"

using namespace stability;

namespace {

std::string label(const WindowRow& row) { return "lab " + std::to_string(row.work) + "." + std::to_string(row.task); }

Params toParams(const st::P& p) { return {p.t1, p.t2, p.t3, p.k1}; }

// Draws as the windows make them, from a fixed seed.
std::vector<st::P> draws(int n) {
  std::mt19937 g(20261209);
  std::uniform_int_distribution<int> t(100, 499), k(50, 149);
  std::vector<st::P> out;
  for (int i = 0; i < n; ++i) out.push_back({t(g) / 1000.0, t(g) / 1000.0, t(g) / 1000.0, k(g) / 100.0});
  return out;
}

int workOf(Loop l) { return l == Loop::Lags ? 1 : l == Loop::Integrator ? 2 : 3; }

// Every true pole has an independent root within a relative 1e-7, and vice versa by count.
void expectSamePoles(const Poles& mine, const st::Roots& ref, const std::string& where) {
  std::array<bool, 3> used{};
  for (int i = 0; i < 3; ++i) {
    const std::complex<double> z(mine.alpha[i], mine.beta[i]);
    int best = -1;
    for (int j = 0; j < 3; ++j)
      if (!used[j] && (best < 0 || std::abs(ref[j] - z) < std::abs(ref[best] - z))) best = j;
    used[best] = true;
    EXPECT_LT(std::abs(ref[best] - z), 1e-7 * std::max(1.0, std::abs(z))) << where << " pole " << i;
  }
}

}  // namespace

TEST(StabilityModel, CriticalGainOfEqualLagsIsEight) {
  for (int t = 100; t < 500; ++t) {
    const Params p{t / 1000.0, t / 1000.0, t / 1000.0, 1};
    ASSERT_NEAR(criticalGain(Loop::Lags, p), 8.0, 1e-12) << t;
  }
}

TEST(StabilityModel, CoefficientsAndCriticalValuesMatchTheLoops) {
  for (const st::P& d : draws(200)) {
    const Params p = toParams(d);
    // Works 1 and 2 at their drawn gain: W = k / (a3 p³ + a2 p² + a1 p + 1) with the closed
    // loop's denominator divided by its constant term.
    for (int work : {1, 2}) {
      const Loop loop = work == 1 ? Loop::Lags : Loop::Integrator;
      const auto c = st::polynomial(work, d, work == 1 ? d.k1 : d.k1);
      const Coefficients k = coefficients(loop, p);
      EXPECT_NEAR(k.a3, c[0] / c[3], 1e-12);
      EXPECT_NEAR(k.a2, c[1] / c[3], 1e-12);
      EXPECT_NEAR(k.a1, c[2] / c[3], 1e-12);
      EXPECT_NEAR(k.k, d.k1 / c[3], 1e-12);
      EXPECT_NEAR(criticalGain(loop, p), st::criticalValue(work, d), 1e-9);
    }
    EXPECT_EQ(coefficients(Loop::Integrator, p).k, 1.0);
    EXPECT_EQ(coefficients(Loop::DoubleIntegrator, p).a1, 0.0);
    // At T4,кр = T3 the forcing loop has a pair on the imaginary axis.
    const Poles b = poles(characteristic(Loop::Forcing, p, criticalT4(p)));
    EXPECT_EQ(criticalT4(p), d.t3);
    EXPECT_EQ(b.alpha[1], 0.0);
    EXPECT_EQ(b.alpha[2], 0.0);
  }
}

// Every poles window's cubic, at the gains its multiplier can draw, against the root finder.
TEST(StabilityModel, PolesAgreeWithAnIndependentRootFinder) {
  const auto ps = draws(60);
  for (const WindowRow& row : allWindows()) {
    if (row.shape != Shape::Poles) continue;
    const int work = workOf(row.loop);
    for (std::size_t n = 0; n < ps.size(); ++n) {
      const Params p = toParams(ps[n]);
      const double m = row.multiplier.any()
                           ? row.multiplier.of(row.multiplier.lo + int(n) % (row.multiplier.hi - row.multiplier.lo))
                           : 1;
      const double v = m * (work == 3 ? criticalT4(p) : criticalGain(row.loop, p));
      const Poles mine = row.regime == Regime::Boundary ? polesOnBoundary(characteristic(row.loop, p, v))
                                                        : poles(characteristic(row.loop, p, v));
      expectSamePoles(mine, st::poles(work, ps[n], v), label(row) + " draw " + std::to_string(n));
      EXPECT_EQ(mine.beta[0], 0.0);
      EXPECT_EQ(mine.beta[2], -mine.beta[1]);
      if (row.regime == Regime::Unstable) EXPECT_GT(mine.alpha[1], 0) << label(row);
      if (row.regime == Regime::Stable && m != 1.0) EXPECT_LT(mine.alpha[1], 0) << label(row);
      if (row.regime == Regime::Boundary || m == 1.0) EXPECT_EQ(mine.alpha[1], 0.0) << label(row);
    }
  }
}

TEST(StabilityModel, ThreeRealRootsAndARepeatedRoot) {
  struct Case {
    std::array<double, 3> roots;
  } cases[] = {{{-1, -2, -3}}, {{-0.5, -0.5, -4}}, {{-2, -2, -2}}};
  for (const Case& c : cases) {
    const double r1 = c.roots[0], r2 = c.roots[1], r3 = c.roots[2];
    // (p − r1)(p − r2)(p − r3) scaled to a constant term of 1.
    const double a0 = -r1 * r2 * r3;
    const Cubic cubic{1 / a0, -(r1 + r2 + r3) / a0, (r1 * r2 + r1 * r3 + r2 * r3) / a0, 1};
    Poles got = poles(cubic);
    std::sort(got.alpha.begin(), got.alpha.end());
    std::array<double, 3> want = c.roots;
    std::sort(want.begin(), want.end());
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(got.alpha[i], want[i], 1e-4);
      EXPECT_NEAR(got.beta[i], 0.0, 1e-6);  // a double root is where D crosses zero
    }
  }
}

TEST(StabilityModel, CrossoverSearchTakesItsFirstStepFromAThousandth) {
  // A loop that is just above 0 dB at 0.001 rad/s and below it one step later.
  const Params p{0.4, 0.4, 0.4, 1};
  const auto lagDb = [&](double w) { return 30 * std::log10(1 + (w * 0.4) * (w * 0.4)); };
  OpenLoop f{Loop::Lags, p, std::pow(10.0, lagDb(0.0010005) / 20)};
  ASSERT_GT(f.L(0.001), 0);
  const Crossover c = crossover(f);
  EXPECT_EQ(c.steps, 1);
  EXPECT_EQ(c.w, 0.001 + 0.001 / 1000);

  // Every loop of the works starts above 0 dB and ends within a step of the true crossing.
  for (const st::P& d : draws(40))
    for (int work : {1, 2, 3}) {
      const double v = work == 3 ? 2.7 * d.t3 : st::criticalValue(work, d);
      const Loop loop = work == 1 ? Loop::Lags : work == 2 ? Loop::Integrator : Loop::Forcing;
      const OpenLoop f{loop, toParams(d), v};
      const Crossover x = crossover(f);
      EXPECT_GE(x.steps, 1);
      // The very step that stepping one at a time finds.
      Crossover one{0.001, 0};
      while (f.L(one.w) > 0) one = {one.w + one.w / 1000, one.steps + 1};
      EXPECT_EQ(x.steps, one.steps);
      EXPECT_EQ(x.w, one.w);
      const double truth = st::crossover(work, d, v);
      EXPECT_GE(x.w, truth * (1 - 1e-9));
      EXPECT_LT(x.w, truth * 1.0011);
    }
}

TEST(StabilityModel, PhaseMarginReadOffThePlotIsAccepted) {
  // The plot draws φ at 10 px per rad rounded up, and the readout gives whole pixels: what a
  // student reads at ω_ср is ceil(10 φ) / 10, and the margin is −π minus that.
  int draws_ = 0;
  for (const st::P& d : draws(150))
    for (int q = 20; q < 40; q += 3) {
      const Params p = toParams(d);
      const double t4 = q / 10.0 * d.t3;
      const OpenLoop f{Loop::Forcing, p, t4};
      const double w = crossover(f).w;
      const double dphi = -std::numbers::pi - st::phaseForcing(d, t4, w);
      ASSERT_NEAR(dphi, -std::numbers::pi - f.phi(w), 1e-12);
      const Acceptance b = phaseMarginBand(dphi);
      const double read = -std::numbers::pi - std::ceil(10 * f.phi(w)) / 10;
      EXPECT_TRUE(b.accepts(read)) << dphi << " read " << read;
      EXPECT_TRUE(b.accepts(dphi));
      EXPECT_FALSE(b.accepts(0.0));
      EXPECT_FALSE(b.accepts(-dphi));
      EXPECT_FALSE(b.accepts(dphi - 0.11));
      ++draws_;
    }
  EXPECT_GT(draws_, 1000);
}

// T1 = T2 = T3 = 0.1, k1 = 1.13, T4 = 3.1 T4,кр: the pair's real part lies in the real pole's band.
TEST(StabilityModel, PolesEnteredInEveryOrderEvenWhenBandsOverlap) {
  const Params p{0.1, 0.1, 0.1, 1.13};
  const Poles z = poles(characteristic(Loop::Forcing, p, 3.1 * 0.1));
  ASSERT_NEAR(z.alpha[0], -3.448, 1e-3);
  ASSERT_NEAR(z.alpha[1], -3.276, 1e-3);
  ASSERT_NEAR(z.beta[1], 17.80, 1e-2);
  ASSERT_TRUE(band(z.alpha[0]).accepts(z.alpha[1]));
  std::array<int, 3> order{0, 1, 2};
  int orders = 0;
  do {
    PoleMatcher m(z);
    for (int k : order) {
      ASSERT_TRUE(m.enterAlpha(z.alpha[k])) << orders;
      ASSERT_EQ(m.enterBeta(z.beta[k]), k) << orders;
    }
    ++orders;
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(orders, 6);
}

TEST(StabilityModel, MatcherRefusesWhatIsNoLongerOpen) {
  const Poles z{{-5, 0, 0}, {0, 3, -3}};
  PoleMatcher m(z);
  ASSERT_TRUE(m.enterAlpha(-5));
  ASSERT_EQ(m.enterBeta(0), 0);
  EXPECT_FALSE(m.enterAlpha(-5));     // the real pole again
  EXPECT_FALSE(m.enterAlpha(0.001));  // a zero real part takes only zero
  ASSERT_TRUE(m.enterAlpha(-0.0));
  EXPECT_FALSE(m.enterBeta(3.2));  // outside ±5 % of both
  EXPECT_FALSE(m.enterBeta(0));    // the real pole is closed
  ASSERT_EQ(m.enterBeta(-2.9), 2);
  ASSERT_TRUE(m.enterAlpha(0));
  EXPECT_FALSE(m.enterBeta(-3));  // the lower one is taken
  EXPECT_EQ(m.enterBeta(3), 1);
}

// The pre-run of an unstable window sees the largest swing of the very run that is drawn.
TEST(StabilityModel, PreRunPeakIsTheLargestSwingOfTheRun) {
  for (const st::P& d : draws(10)) {
    const Params p = toParams(d);
    const double k = 1.3 * criticalGain(Loop::Lags, p), end = 6.5 * (d.t1 + d.t2 + d.t3);
    double x1 = 0, x2 = 0, y = 0, t = 0, peak = 0;
    while (end > t) {
      x1 += 0.001 / d.t1 * (k - k * y - x1);
      x2 += 0.001 / d.t2 * (x1 - x2);
      y += 0.001 / d.t3 * (x2 - y);
      t += 0.001;
      peak = std::max(peak, std::abs(y));
    }
    EXPECT_DOUBLE_EQ(peakOfRun(Rule::Lags, p, k, end), peak);
    EXPECT_GT(peak, 1.0);
  }
}

// T1 = T2 = 0.100, T3 = 0.186, k1 = 0.5, T4 = 2·T4,кр: the phase plot shows the margin
// −0.2390 as −0.3416 at the column left of ω_ср, a pixel and a bit of a column away.
TEST(StabilityModel, MarginReadOnThePhasePlotIsAccepted) {
  const Params p{0.100, 0.100, 0.186, 0.5};
  const OpenLoop open{Loop::Forcing, p, 2 * criticalT4(p)};
  const Crossover c = crossover(open);
  const double margin = -std::numbers::pi - open.phi(c.w);
  const int i = static_cast<int>(std::floor(100 * std::log10(c.w)));
  EXPECT_NEAR(margin, -0.2390, 1e-4);
  EXPECT_NEAR(marginOnPlot(open, i), -0.3416, 1e-4);
  EXPECT_FALSE(phaseMarginBand(margin).accepts(marginOnPlot(open, i)));
  const double sL = 15 / open.L(1);
  const Acceptance b = readMarginBand(open, c, sL);
  for (double v : {margin, marginOnPlot(open, i), marginOnPlot(open, i + 1)}) EXPECT_TRUE(b.accepts(v)) << v;
  EXPECT_LT(b.hi, 0);
}

// Near ω_ср the flat amplitude curve of the forcing loop lies on the 0 dB row over several
// columns: every ω read there (and a column either side) is accepted, with the margin read at
// the same column; the columns beyond are not.
TEST(StabilityModel, CrossoverReadAnywhereTheCurveLiesOnTheAxis) {
  const Params p{0.450, 0.420, 0.480, 0.6};
  const OpenLoop open{Loop::Forcing, p, 1.5 * criticalT4(p)};
  const Crossover c = crossover(open);
  const double sL = 15 / open.L(1);
  const Columns k = crossoverColumns(open, c, sL);
  const auto row = [&](int i) { return ceil_(open.L(std::pow(10.0, i / 100.0)) * sL); };
  EXPECT_GE(row(k.first), 2);
  EXPECT_LE(row(k.last), -2);
  EXPECT_GE(k.last - k.first, 4) << "a flat curve";
  const Acceptance w = crossoverBand(open, c, sL), m = readMarginBand(open, c, sL);
  for (int i = k.first; i <= k.last; ++i) {
    EXPECT_TRUE(w.accepts(std::pow(10.0, i / 100.0))) << i;
    EXPECT_TRUE(m.accepts(marginOnPlot(open, i))) << i;
  }
  EXPECT_FALSE(w.accepts(std::pow(10.0, (k.first - 1) / 100.0)));
  EXPECT_FALSE(w.accepts(std::pow(10.0, (k.last + 1) / 100.0)));
  // Never narrower than ±5 %.
  EXPECT_LE(w.lo, 0.95 * c.w);
  EXPECT_GE(w.hi, 1.05 * c.w);
}
