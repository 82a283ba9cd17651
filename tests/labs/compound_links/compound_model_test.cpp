// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of the compound-link works: scales at the edges of the draws, the answers the
// student works out from what the windows show, and the mended answers of Form6_4, Form7_3
// and Form8_1.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "framework/numtext.h"
#include "framework/random.h"
#include "labs/compound_links/diff_model.h"
#include "labs/compound_links/infors_model.h"
#include "labs/compound_links/pi_model.h"

using namespace compound;

namespace {

// Installs scripted draws for one test.
class Draws {
 public:
  Draws(std::initializer_list<int> v) {
    auto s = std::make_unique<rnd::ScriptedSource>();
    s->push(v);
    src_ = s.get();
    previous_ = rnd::install(std::move(s));
  }
  ~Draws() { rnd::install(std::move(previous_)); }
  bool used() const { return src_->empty(); }

 private:
  rnd::ScriptedSource* src_;
  std::unique_ptr<rnd::Source> previous_;
};

// Value of the broken line at lg ω.
double along(const Lafc& l, double lgw) {
  for (size_t k = 0; k + 1 < l.corners.size(); ++k) {
    const auto p = l.corners[k], q = l.corners[k + 1];
    if (lgw >= p.lgw && lgw <= q.lgw) return p.a + (q.a - p.a) * (lgw - p.lgw) / (q.lgw - p.lgw);
  }
  return NAN;
}

}  // namespace

TEST(CompoundSteps, InputStepAndJumpAtTheEdgesOfTheScales) {
  const struct {
    const char* what;
    StepCurve c;
    int input, jump;
  } cases[] = {
      {"PI, h0 = 0.5", pi::Step{0.5, 0.5}.curve(), 110, 55},
      {"PI, h0 = 1.0", pi::Step{0.37, 1.0}.curve(), 110, 110},
      {"PI, h0 = 2.0: S = 220/(h0 + 2)", pi::Step{0.3, 2.0}.curve(), 55, 110},
      {"PI, h0 = 2.4", pi::Step{0.99, 2.4}.curve(), 50, 120},
      {"D, h0 = 0.5", diff::Step{0.01, 0.5}.curve(), 110, 55},
      {"D, h0 = 1.0", diff::Step{0.24, 1.0}.curve(), 110, 110},
      {"D, h0 = 1.1: jump 210", diff::Step{0.11, 1.1}.curve(), 191, 210},
      {"D, h0 = 2.4: jump 210", diff::Step{0.07, 2.4}.curve(), 88, 210},
      {"IF, T1/T2 = 2: jump 160", infors::Step::of(0.1, 1.0, 0.5).curve(), 160, 160},
      {"IF, T1/T2 = 4.8: jump 160", infors::Step::of(0.24, 2.4, 0.5).curve(), 67, 160},
      {"IF, T1/T2 < 0.5: jump h0·110", infors::Step::of(0.2, 0.5, 1.49).curve(), 110, 55},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.c.input(), c.input);
    ASSERT_EQ(c.c.heights.size(), 331u);
    EXPECT_EQ(c.c.heights.front(), c.jump);
  }
}

TEST(CompoundSteps, CurvesTendWhereTheLinksGo) {
  // PI: a ramp of slope 1/T2 over the jump; D: decays to 0; IF: approaches k at k·S.
  const pi::Step p{0.4, 0.8};
  const StepCurve pc = p.curve();
  EXPECT_NEAR(pc.heights[330], (330 * pc.delta / p.T2() + 0.8) * 110, 1);
  EXPECT_LE((diff::Step{0.1, 2.0}.curve().heights[330]), 1);
  const infors::Step f = infors::Step::of(0.2, 0.5, 1.2);
  const StepCurve fc = f.curve();
  EXPECT_EQ(fc.steady, std::ceil(1.2 * 110));
  EXPECT_NEAR(fc.heights[330], fc.steady, 1);
}

TEST(InertialForcingStep, RatioNeverBetweenHalfAndTwoAndT2FromTheShownT1IsAccepted) {
  int draws = 0;
  for (int t1 = 1; t1 < 25; ++t1)
    for (int h0 = 5; h0 < 25; ++h0)
      for (int k = 50; k < 150; k += 3) {
        const infors::Step s = infors::Step::of(t1 / 100.0, h0 / 10.0, k / 100.0);
        ASSERT_FALSE(s.ratio() > 0.5 && s.ratio() < 2 - 1e-12) << t1 << " " << h0 << " " << k;
        // The student reads k and the jump k·T1/T2 off the plot and works T2 out from T1.
        const double shown = *StrToFloat(s.shownT1());
        const double worked = shown * s.k / (s.k * s.ratio());
        EXPECT_TRUE(s.answers()[1].rule.accepts(worked)) << s.T1 << " shown " << s.shownT1().toStdString();
        ++draws;
      }
  EXPECT_GT(draws, 10000);
  // Cut to four characters it would be refused: 0.0212... shows "0.02".
  const infors::Step s = infors::Step::of(0.01, 1.0, 1.06);
  EXPECT_EQ(*StrToFloat(s.shownT1()), 0.0212);
  EXPECT_FALSE(s.answers()[1].rule.accepts(*StrToFloat(numtext::cut(FloatToStr(s.T1), 4)) / s.ratio()));
}

TEST(PiFrequency, NIsDrawnAgainUntilTheAskedAmplitudeExists) {
  const struct {
    std::initializer_list<int> draws;
    int target;
  } cases[] = {
      {{500, 100, 3, 5, 7}, 7},  // T1/T2 = 5: N = 3 and 5 give no frequency
      {{300, 300, 2}, 2},        // T1 = T2: any N > 1 will do
      {{200, 900, 9}, 1},        // T1 < T2: the target is 1 whatever N is
  };
  for (const auto& c : cases) {
    Draws d(c.draws);
    const pi::Frequency f = pi::Frequency::draw();
    EXPECT_TRUE(d.used());
    EXPECT_EQ(f.target(), c.target);
    ASSERT_TRUE(std::isfinite(f.w1()));
    EXPECT_NEAR(pi::amplitude(f.T1, f.T2, f.w1()), c.target, 1e-9);
  }
}

TEST(PiCircuit, ResistancesOfTheCircuitAsItWorks) {
  Draws d({150, 420});
  const pi::Circuit c = pi::Circuit::draw();
  // −(R2C2p + 1)/(R1C2p) with C2 = 1 µF: T1 = R2·C2, T2 = R1·C2.
  EXPECT_EQ(c.R1(), 420000);
  EXPECT_EQ(c.R2(), 150000);
  EXPECT_NEAR(c.R2() * 1e-6, c.T1(), 1e-15);
  EXPECT_NEAR(c.R1() * 1e-6, c.T2(), 1e-15);
  const auto a = c.answers();
  EXPECT_TRUE(a[0].rule.accepts(420000));
  EXPECT_FALSE(a[0].rule.accepts(150000));  // the swapped pair
  EXPECT_FALSE(a[1].rule.accepts(420000));
  EXPECT_EQ(a[1].shown, "150000");

  const struct {
    std::array<bool, 6> ticked;  // R1 L1 C1 R2 L2 C2
    bool right;
  } elements[] = {
      {{true, false, false, true, false, true}, true},   {{true, false, false, true, true, true}, false},  // L2 as well
      {{true, false, true, true, false, true}, false},   {{false, false, false, true, false, true}, false},
      {{true, false, false, false, false, true}, false}, {{true, false, false, true, false, false}, false},
  };
  for (const auto& e : elements) EXPECT_EQ(pi::Circuit::rightElements(e.ticked), e.right);
}

TEST(DifferentiatingHarmonic, IdealOutputAmplitude) {
  Draws d({10, 20, 5});
  const diff::Harmonic h = diff::Harmonic::draw();
  EXPECT_DOUBLE_EQ(h.B1(), 0.1);
  const Acceptance r = h.idealAnswer().rule;
  EXPECT_TRUE(r.accepts(0.095));
  EXPECT_TRUE(r.accepts(0.105));
  EXPECT_FALSE(r.accepts(0.0949));
  EXPECT_FALSE(r.accepts(0.1051));
}

TEST(DifferentiatingLowered, T2LowersTheOutputKTimes) {
  for (int w : {10, 20, 55, 99})
    for (int a : {1, 5, 8})
      for (int k : {2, 4, 9}) {
        diff::Lowered l{{0.1, a / 100.0, w}, k};
        const Sinusoids q = l.output2(l.T2());
        EXPECT_NEAR(q.out, l.h.B1() / k, 1e-12);
        EXPECT_NEAR(q.phase, kPi / 2 - std::atan(w * l.T2()), 1e-12);
        // On the plot: output 2 k times lower than output 1, within a pixel.
        EXPECT_NEAR(q.outputLevel(), l.h.plot().outputLevel() / double(k), 1.0);
        EXPECT_TRUE(l.answer().rule.accepts(std::sqrt(double(k) * k - 1) / w));
        // A value that mixes the input amplitude in is refused.
        EXPECT_FALSE(l.answer().rule.accepts(std::sqrt(std::pow(k / l.h.A, 2) - 1) / w));
      }
}

TEST(Asymptotes, CrossAndTurnWhereTheTimeConstantsSay) {
  const diff::Asymptotic d{0.35, 0.05};
  const Lafc l = d.lafc();
  EXPECT_NEAR(along(l, std::log10(1 / 0.35)), 0, 1e-12);
  EXPECT_NEAR(l.corners[1].lgw, std::log10(1 / 0.05), 1e-12);
  EXPECT_EQ(l.corners[1].a, l.corners[2].a);
  EXPECT_EQ(l.x(l.corners[1].lgw), 240);  // the corner 1/T2 is always 210 pixels right

  const struct {
    infors::Asymptotic a;
    bool below;
  } cases[] = {{{0.3, 0.05, 0.5}, true}, {{0.3, 0.05, 2.0}, false}, {{0.49, 0.14, 0.2}, true}};
  for (const auto& c : cases) {
    const Lafc f = c.a.lafc();
    EXPECT_EQ(f.y(f.corners[0].a) > 140, c.below) << c.a.k;
    EXPECT_NEAR(f.corners[1].lgw, std::log10(1 / c.a.T1), 1e-12);
    EXPECT_NEAR(f.corners[2].a - f.corners[1].a, std::log10(c.a.T1 / c.a.T2), 1e-12);
    // The taller end of the line is 120 pixels from the axis.
    EXPECT_NEAR(std::max(std::fabs(f.corners[0].a), std::fabs(f.corners[2].a)) * f.Ly, 120, 1e-9);
  }
  Draws k10({30, 5, 10});
  EXPECT_EQ(infors::Asymptotic::draw().k, 2.0);
}

TEST(InertialForcingSine, EqualTimeConstantsPassTheInputScaledByK) {
  const infors::Sine s{0.07, 0.07, 3.5, 1};
  EXPECT_DOUBLE_EQ(s.A(), 3.5);
  EXPECT_DOUBLE_EQ(s.dphi(), 0);
  const Sinusoids p = s.plot();
  for (int n : {-20, 0, 37, 190}) EXPECT_NEAR(p.output(n), 3.5 * p.S * std::sin(n * p.advance), 1);
}
