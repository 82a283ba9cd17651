// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three plot shapes of the compound-link works as numbers: the step response drawn pixel
// by pixel, the pair of steady-state sinusoids about the zero line, and the asymptotic LAFC.
// Free of widgets; the windows draw exactly what these return. Pixel values go through the
// framework's ulp-forgiving ceil_, as the plots were designed with rounding up.
#include <QString>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "framework/acceptance.h"
#include "framework/pixels.h"

namespace compound {

inline constexpr double kPi = std::numbers::pi;

// An answer field's rule and the text it shows once accepted.
struct Expected {
  Acceptance rule;
  QString shown;
};

// A step response as drawn: the input ⌈S⌉ pixels high, the output's height at each time
// index n = 0 .. 330 (n = 0 is the jump at t = 0), Δ seconds per pixel.
struct StepCurve {
  double delta = 0;
  double S = 110;
  std::vector<int> heights;
  int steady = -1;  // height of the steady-value dashes, or -1 for none

  int input() const { return ceil_(S); }
  static constexpr int kLastIndex = 330;

  // The output h(t) sampled at t = n·Δ and drawn ⌈h·S⌉ pixels high.
  static StepCurve sampled(double delta, double S, const std::function<double(double t)>& h, int steady = -1) {
    StepCurve c{delta, S, {}, steady};
    for (int n = 0; n <= kLastIndex; ++n) c.heights.push_back(ceil_(h(n * delta) * S));
    return c;
  }
};

// Two sinusoids about the zero line y = 135: the input and the steady-state output, S pixels
// per unit, `advance` radians per pixel, the output `phase` radians ahead of the input.
struct Sinusoids {
  double S = 110;
  double in = 1;
  double out = 1;
  double phase = 0;
  double advance = 0;

  int input(int n) const { return ceil_(S * in * std::sin(n * advance)); }
  int output(int n) const { return ceil_(S * out * std::sin(n * advance + phase)); }
  int inputLevel() const { return ceil_(S * in); }
  int outputLevel() const { return ceil_(S * out); }
};

// The phase advance of the harmonic plots of the differentiating and inertial-forcing links.
inline constexpr double kHarmonicAdvance = 20 * kPi / 1900;

// Pointer readout of the harmonic plots: offsets from the origin (30, 135), clamped as the
// delay link's plot does it (the right bound reads its own coordinate).
inline int harmonicOffsetX(int X) { return X < 30 ? 0 : (X > 410 ? 410 : X - 30); }
inline int harmonicOffsetY(int Y) { return Y < 20 ? 240 : (Y > 240 ? -105 : 135 - Y); }

// An asymptotic LAFC: corner points in decades (lg ω, a(ω)), Lx pixels per decade of ω and
// Ly pixels per decade of amplitude (20 dB), drawn about the origin (30, 140).
struct Lafc {
  double Lx = 1;
  double Ly = 1;
  struct Corner {
    double lgw, a;
  };
  std::vector<Corner> corners;

  int x(double lgw) const { return 30 + ceil_(Lx * lgw); }
  int y(double a) const { return 140 - ceil_(Ly * a); }
  // Tick labels: the value of lg ω at i pixels right of the axis, the decibels at i above.
  QString frequencyLabel(int i) const;
  QString decibelLabel(int i) const;
  // Pointer readout: lg ω for X strictly inside the plot (else 0); ω only while Y is too.
  double readLgW(int X) const { return X > 30 && X < 410 ? (X - 30) / Lx : 0; }
  double readW(int X, int Y) const { return Y > 20 && Y < 260 ? std::pow(10.0, readLgW(X)) : 0; }
};

}  // namespace compound
