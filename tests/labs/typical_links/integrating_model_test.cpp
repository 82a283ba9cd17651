// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers behind the integrating-link windows, checked without any window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "labs/typical_links/integrating_model.h"

using namespace integrating;

namespace {
double below(double v) { return std::nextafter(v, -std::numeric_limits<double>::infinity()); }
double above(double v) { return std::nextafter(v, std::numeric_limits<double>::infinity()); }
}  // namespace

TEST(IntegratingStepModel, BandIsClosedToTheUlp) {
  for (int draw : {10, 37, 50, 99}) {
    const Step s{draw / 100.0};
    const Acceptance r = s.rule();
    SCOPED_TRACE(draw);
    EXPECT_TRUE(r.accepts(s.T));
    EXPECT_TRUE(r.accepts(0.95 * s.T));
    EXPECT_TRUE(r.accepts(1.05 * s.T));
    EXPECT_FALSE(r.accepts(below(0.95 * s.T)));
    EXPECT_FALSE(r.accepts(above(1.05 * s.T)));
  }
}

TEST(IntegratingStepModel, OutputReachesOneAtTimeT) {
  // 190 steps after the input (x = 220) the output stands 110 pixels high, h = 1, for any T,
  // give or take the last pixel of the truncation.
  for (int draw = 10; draw < 100; ++draw) {
    const Step s{draw / 100.0};
    SCOPED_TRACE(draw);
    EXPECT_NEAR(s.height(190), 110, 1);
    EXPECT_EQ(s.height(0), 0);
    EXPECT_DOUBLE_EQ(s.time(190), s.T);
  }
  EXPECT_EQ(Step{0.5}.height(190), 110);
}

TEST(IntegratingStepModel, ReadoutOffsetsClampAtTheBounds) {
  struct Case {
    int X, b;
  } xs[] = {{29, 0}, {30, 0}, {31, 1}, {220, 190}, {410, 380}, {411, 410}, {412, 410}, {-5, 0}};
  for (auto c : xs) EXPECT_EQ(Step::offsetX(c.X), c.b) << c.X;
  struct CaseY {
    int Y, d;
  } ys[] = {{19, 240}, {20, 220}, {130, 110}, {240, 0}, {241, 0}, {250, 0}, {-3, 240}};
  for (auto c : ys) EXPECT_EQ(Step::offsetY(c.Y), c.d) << c.Y;
}

TEST(IntegratingRampModel, CrossingOfTheCurvesAtTwoT) {
  const Ramp r{67 / 100.0};
  EXPECT_EQ(r.crossingX(), 284);
  EXPECT_DOUBLE_EQ(r.crossingTime(), 1.34);
  // The output meets the input where the mark ends.
  EXPECT_NEAR(240 - r.output(380 * 67 / 100), r.crossingTop(), 1);
  EXPECT_EQ(r.output(380), 220);  // the same parabola whatever T is
  EXPECT_EQ(Ramp{0.3}.output(380), 220);
  EXPECT_EQ(r.input(380), 147);
}

TEST(IntegratingRampModel, ExactEqualityOnly) {
  const Ramp r{67 / 100.0};
  EXPECT_TRUE(r.rule().accepts(0.67));
  EXPECT_FALSE(r.rule().accepts(0.68));
  EXPECT_FALSE(r.rule().accepts(above(0.67)));
  EXPECT_FALSE(r.rule().accepts(below(0.67)));
}

TEST(IntegratingSineModel, AmplitudePixelsTruncateJustBelow110) {
  const Sine s{0.2, 5.0};
  EXPECT_EQ(s.amplitudePixels(), 109);
  // The output curve peaks on its dashes, one pixel inside the input's.
  EXPECT_EQ(s.output(0), -109);
  EXPECT_EQ(s.input(0), 0);
  EXPECT_EQ(Sine({0.59, 17.99}).amplitudePixels(), 10);
}

TEST(IntegratingSineModel, AmplitudeBandAndLiteralPhaseBand) {
  const Sine s{0.2, 5.0};
  EXPECT_TRUE(s.amplitudeRule().accepts(0.95));
  EXPECT_TRUE(s.amplitudeRule().accepts(1.05));
  EXPECT_FALSE(s.amplitudeRule().accepts(0.949));
  EXPECT_FALSE(s.amplitudeRule().accepts(1.051));
  const Acceptance p = Sine::phaseRule();
  for (double v : {-1.57, -1.6493358, -1.4922562, -std::numbers::pi / 2}) EXPECT_TRUE(p.accepts(v)) << v;
  for (double v : {-1.65, 1.57, -1.6493359, -1.4922561, 0.0}) EXPECT_FALSE(p.accepts(v)) << v;
}

TEST(IntegratingFrequencyModel, FrequenciesForTOf1_2) {
  const Frequency f{1.2};
  EXPECT_DOUBLE_EQ(f.omega(3), 1 / 1.2);
  EXPECT_NEAR(f.omega(1), std::pow(1 / 1.2, 4), 1e-12);
  EXPECT_NEAR(f.omega(5), 1.44, 1e-12);
  EXPECT_NEAR(f.omega(2), std::pow(1 / 1.2, 2.5), 1e-12);
  EXPECT_NEAR(f.omega(4), std::pow(1.2, 0.5), 1e-12);
  for (int r = 1; r < 5; ++r) EXPECT_LT(f.omega(r), f.omega(r + 1));
  EXPECT_NEAR(f.omegaA(), std::pow(1.2, -7), 1e-12);
  EXPECT_NEAR(f.omegaB(), std::pow(1.2, 5), 1e-12);
}

TEST(IntegratingFrequencyModel, MarkersOfTheMiddleRun) {
  const Frequency f{1.2};
  const double w = f.omega(3);  // ωT = 1: A = 1, L = 0
  EXPECT_EQ(f.hodographMarker(w), (freq::Box{145, 79, 155, 89}));
  EXPECT_EQ(f.phaseMarker(w), (freq::Box{123, 85, 133, 95}));
  EXPECT_EQ(f.lafcMarker(w), (freq::Box{123, 55, 133, 65}));
  // Left of the axis the edges truncate toward zero, not down.
  const double x = std::log10(f.omega(1)) * f.Sx();
  ASSERT_LT(x, -5);
  EXPECT_EQ(f.phaseMarker(f.omega(1)).x1, static_cast<int>(x - 5) + 150);
  EXPECT_EQ(f.phaseMarker(f.omega(1)).x2 - f.phaseMarker(f.omega(1)).x1, 10);
}

TEST(IntegratingFrequencyModel, ScalesFitThePlotsForEveryT) {
  for (int draw = 110; draw < 150; ++draw) {
    const Frequency f{draw / 100.0};
    SCOPED_TRACE(draw);
    // The widest of lg ω1 and lg ω5 spans 90 pixels; ω1's level spans 30.
    EXPECT_NEAR(std::fabs(std::log10(f.omega(1))) * f.Sx(), 90, 1e-9);
    EXPECT_NEAR(f.level(f.omega(1)) * f.SL(), 30, 1e-9);
    for (int r = 1; r <= 5; ++r) {
      const freq::Box h = f.hodographMarker(f.omega(r)), l = f.lafcMarker(f.omega(r));
      EXPECT_GE(h.y1, 55);  // on the lower half of the imaginary axis
      EXPECT_LE(h.y2, 125);
      EXPECT_GE(l.x1, 0);
      EXPECT_LE(l.x2, 301);
      EXPECT_GE(l.y1, 0);
      EXPECT_LE(l.y2, 125);
    }
    EXPECT_NEAR(f.sineScale(f.omega(3)), 55, 1e-9);
    EXPECT_EQ(f.inputDash(f.omega(5)), 55);
    EXPECT_LT(f.inputDash(f.omega(1)), 55);
    EXPECT_EQ(f.outputDash(f.omega(1)), 55);
  }
}

// The amplitude read off the crest of a small output is accepted: with T = 1.48 the fifth
// run's crest is 16.97 pixels high, and a cut to 16 read 0.291 against 0.293 .. 0.324.
TEST(IntegratingModel, SmallOutputCrestReadsInsideTheBand) {
  for (int t = 110; t < 150; ++t) {
    const Frequency f{t / 100.0};
    const double w = f.omega(5);
    EXPECT_TRUE(f.amplitudeRule(w).accepts(f.amplitudeAt(f.outputDash(w), w))) << "T = " << f.T;
    EXPECT_EQ(f.outputDash(w), -f.output(w, 0)) << "the crest meets its dash, T = " << f.T;
  }
}
