// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The integrating link W(p) = 1/(Tp): the drawn parameters, true answers and every pixel
// value of its four windows. Free of widgets so that each number can be checked alone; the
// windows only draw what these functions return. Pixel values truncate toward zero, exactly
// where the plots were designed to, so that a curve meets its marks on the pixel.
#include <cmath>
#include <numbers>

#include "framework/acceptance.h"
#include "frequency_plot.h"
#include "framework/random.h"

namespace integrating {

inline int trunc(double v) { return static_cast<int>(v); }
inline int nearest(double v) { return static_cast<int>(std::lround(v)); }

// The time windows trace 381 passes: 1 to 380 draw, 381 ends the trace.
inline constexpr int kTimePasses = 381;
// Pass at which the input is applied at x = 30.
inline constexpr int kInputPass = 20;

// Form1_1: the step response. 190 pixels per T seconds, 110 pixels per unit of h.
struct Step {
  double T = 0;

  static Step draw(rnd::Source& random = rnd::source());  // T = RandomRange(10, 100) / 100
  double slope() const { return 220 * T / 380; }          // K
  // Height of the output above the time axis after n steps, unrounded and as drawn.
  double rise(int n) const { return n / T * slope(); }
  int height(int n) const { return trunc(rise(n)); }
  Acceptance rule() const { return Acceptance::band(T); }

  // Pointer readout: clamped offsets from the origin (30, 240), then t and h.
  static int offsetX(int X) { return X < 30 ? 0 : (X > 410 ? 410 : X - 30); }
  static int offsetY(int Y) { return Y < 20 ? 240 : (Y > 240 ? 0 : 240 - Y); }
  double time(int b) const { return b * T / 190; }
  static double level(int d) { return d / 110.0; }
};

// Form1_2: the ramp response t^2/(2T) against the ramp t, 110·T pixels per unit.
struct Ramp {
  double T = 0;

  static Ramp draw(rnd::Source& random = rnd::source());  // T = RandomRange(30, 90) / 100
  double A() const { return 220 * T / 380 / 380; }
  double B() const { return 220 * T / 380; }
  int output(int n) const { return trunc(static_cast<double>(n) * n / T * A()); }
  int input(int n) const { return trunc(n * B()); }
  // The curves cross at t = 2T: t* = 380·T pixels from the vertical axis.
  double crossing() const { return 380 * T; }
  int crossingX() const { return trunc(crossing()) + 30; }
  int crossingTop() const { return trunc(240 - crossing() * B()); }
  double crossingTime() const { return crossing() / 190; }
  // T has two decimals, so its typed two-decimal form is the same double.
  Acceptance rule() const { return Acceptance::exact(T); }
};

// Form1_3: the steady-state response -cos(ωt)/(ωT) to sin(ωt), 110 pixels per unit.
struct Sine {
  double T = 0;
  double w = 0;

  static Sine draw(
      rnd::Source& random = rnd::source());  // T = RandomRange(20, 60) / 100, then ω = RandomRange(500, 1800) / 100
  double amplitude() const { return 1 / (w * T); }
  // Output amplitude in pixels. The plot was designed with extended-precision arithmetic,
  // in which 110/ω/T stays a hair below 110 when ω·T is 1 only up to the rounding of the
  // stored T (ω = 5, T = 0.2 gives R = 109, the output's dashes one pixel inside the
  // input's); double arithmetic would round it up to 110. The output curve is computed the
  // same way so that its crests meet its dashes.
  int amplitudePixels() const { return static_cast<int>(110.0L / w / T); }
  double step() const { return w * 2 * std::numbers::pi / 1900; }  // K, radians per pixel
  int input(int k) const { return trunc(110 * std::sin(step() * k)); }
  int output(int k) const { return static_cast<int>(-110.0L * std::cos(step() * k) / w / T); }
  Acceptance amplitudeRule() const { return Acceptance::literal(0.95 / (w * T), 1.05 / (w * T)); }
  static Acceptance phaseRule() { return minusHalfPiBand(); }
};

// Form1_4: five runs at five frequencies around 1/T with one T, then the closing run.
struct Frequency {
  double T = 0;

  static double drawT(rnd::Source& random = rnd::source());  // RandomRange(110, 150) / 100
  double L0() const { return std::log10(1 / T); }
  double D() const { return std::fabs(L0()); }
  // ω1 .. ω5 for runs 1 .. 5.
  double omega(int run) const;
  // Ends of the closing LAFC line.
  double omegaA() const { return std::pow(10.0, L0() - 6 * D()); }
  double omegaB() const { return std::pow(10.0, L0() + 6 * D()); }

  double amplitude(double w) const { return 1 / (w * T); }
  double level(double w) const { return 20 * std::log10(1 / (w * T)); }
  Acceptance amplitudeRule(double w) const { return Acceptance::literal(0.95 / (w * T), 1.05 / (w * T)); }
  static Acceptance phaseRule() { return minusHalfPiBand(); }

  // Scales of the frequency plots: pixels per decade, per dB, per unit of W, per radian.
  double Sx() const;
  double SL() const;
  double S() const { return 60 * omega(1) * T - 10; }
  static constexpr double Sphi = 20;

  // Tick offsets from the axes (the frames stop at 140, 55, 60 and 55 pixels).
  int lgTick(int m) const { return trunc(0.25 * m * Sx()); }
  int dbTick(int m) const { return trunc(5 * m * SL()); }
  static int phaseTick(int m) { return trunc(10 * m * std::numbers::pi); }
  int hodographTick(int u) const { return trunc(u * S()); }

  // Markers of an answered run: hodograph (Re 0, Im -1/(ωT)), phase -π/2, LAFC.
  freq::Box hodographMarker(double w) const;
  freq::Box phaseMarker(double w) const;
  freq::Box lafcMarker(double w) const;
  // The exact characteristics of the closing run, as lines of pen width 3.
  freq::Curve lafcLine() const;
  static freq::Curve hodographLine() { return {{{150, 60}, {150, 120}}, 3}; }
  static freq::Curve phaseLine() { return {{{10, 90}, {290, 90}}, 3}; }

  // Sine plot: the larger of the two amplitudes is 55 pixels.
  double sineScale(double w) const { return std::fmin(55 * w * T, 55.0); }
  int input(double w, int k) const { return trunc(sineScale(w) * std::sin(k * freq::K)); }
  // The output is rounded to the nearest pixel, not cut: at the fifth frequency its crest is
  // only 16 to 20 pixels high, and a cut pixel could put the amplitude read off the crest
  // outside the answer's band (T = 1.48: 16.97 pixels drawn as 16, read as 0.291 for 0.308).
  int output(double w, int k) const { return nearest(-sineScale(w) * std::cos(k * freq::K) / (w * T)); }
  int inputDash(double w) const { return trunc(std::fmin(55.0, w * 55 * T)); }
  int outputDash(double w) const { return nearest(std::fmin(55.0, 55 / (w * T))); }

  // Pointer readout of the sine plot: the amplitude at a vertical offset d.
  double amplitudeAt(int d, double w) const { return d * std::fmax(1 / 55.0, 1 / (55 * w * T)); }
};

}  // namespace integrating
