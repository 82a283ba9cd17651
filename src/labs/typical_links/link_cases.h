// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ramp and sine experiments of the aperiodic and oscillating links, reduced to what their
// windows draw: the shown parameters, the curves in pixels and the true answers. Each link
// fills these from its own formulas (aperiodic_model, oscillating_model).
#include <cmath>
#include <functional>
#include <numbers>

#include "framework/pixels.h"

namespace links {

// Parameters as the task panel shows them; γ < 0 when the link has none.
struct Params {
  double T = 0;
  double w = 0;
  double k = 0;
  double gamma = -1;
};

// Steady-state response to sin(ωt): 110 pixels per unit, ω·2π/1900 radians per pixel.
struct SteadySine {
  Params p;
  double amplitude = 0;
  double phase = 0;  // Δφ, negative

  double step() const { return p.w * 2 * std::numbers::pi / 1900; }
  int amplitudePixels() const { return ceil_(110 * amplitude); }
  int input(int n) const { return ceil_(110 * std::sin(step() * n)); }
  int output(int n) const { return ceil_(110 * amplitude * std::sin(phase + step() * n)); }
};

// Response to the ramp g(t) = t against the ramp itself, both from y = 240.
struct RampCase {
  Params p;
  std::function<double(int n)> rise;  // output height at pixel n, unrounded
  double crossingTime = 0;            // labelled under the crossing mark
  bool dotsBeforeInput = true;        // passes before the input draw the zero output

  double G() const { return 220 * p.T / 380; }
  int output(int n) const { return ceil_(rise(n)); }
  int input(int n) const { return ceil_(n * G()); }
  // First pixel at which the drawn output has reached the ramp (the cap only bounds the loop).
  int crossingPixel() const {
    for (int n = 1; n < 100000; ++n)
      if (rise(n) - G() * n >= 0) return n;
    return 0;
  }
};

// The settling time the drawn pixels show: with the two level lines set at 0.95k and 1.05k
// (a line for level v stands at row ⌈230 − 100v⌉ + 10), the time of the last column from
// x = 30 to 360 at which the drawn curve, row(x), lies outside them; dt seconds per column.
inline double drawnSettling(const std::function<int(int x)>& row, double k, double dt) {
  const int low = ceil_(230 - 100 * (0.95 * k)) + 10, high = ceil_(230 - 100 * (1.05 * k)) + 10;
  int last = 30;
  for (int x = 30; x <= 360; ++x)
    if (row(x) > low || row(x) < high) last = x;
  return (last - 30) * dt;
}

}  // namespace links
