// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pure delay link W(p) = k·e^(−Tp) driven by A·sin(ωt): the drawn parameters, the true
// answers and every pixel value of its window, free of widgets.
//
// The plot shows both signals in steady state, the input amplitude as 110 pixels whatever A
// is; time index n stands at x = 30 + n, Δ = 3π/1900 seconds per pixel.
#include <cmath>
#include <numbers>

#include "framework/acceptance.h"
#include "framework/pixels.h"
#include "framework/random.h"

namespace nontypical {

inline constexpr double kDelayStep = 3 * std::numbers::pi / 1900;  // Δ, seconds per pixel
// Passes 1 to 379 draw, 380 ends the trace; pass s draws the segment of time index s − 20.
inline constexpr int kDelayEndPass = 380;
inline constexpr int kDelayOriginPass = 20;

struct Delay {
  double T = 0;  // delay, s
  double w = 0;  // ω, rad/s
  double k = 0;  // gain
  double A = 0;  // input amplitude

  // Re-seeds before T and again before ω, as the draws were always made.
  static Delay draw(rnd::Source& random = rnd::source());

  // Heights above the zero level (y = 135) at time index n.
  int input(int n) const { return ceil_(110 * std::sin(w * n * kDelayStep)); }
  int output(int n) const { return ceil_(110 * k * std::sin(w * n * kDelayStep - w * T)); }
  // The output's dashes stand this far from the zero level.
  int outputDash() const { return ceil_(110 * k); }
  // The gain the dashes show to a student who reads the output amplitude off them.
  double dashGain() const { return outputDash() / 110.0; }

  // k read off the dashes may be up to 1/110 high, which for small k falls outside ±5 % of
  // k: either reading is accepted. The two bands overlap, so their union is one band.
  Acceptance gainRule() const {
    const Acceptance a = Acceptance::band(k), b = Acceptance::band(dashGain());
    return Acceptance::literal(std::fmin(a.lo, b.lo), std::fmax(a.hi, b.hi));
  }
  Acceptance delayRule() const { return Acceptance::band(T); }

  // Pointer readout: clamped offsets from the origin (30, 135), then the level and the phase.
  static int offsetX(int X) { return X < 30 ? 0 : (X > 410 ? 410 : X - 30); }
  static int offsetY(int Y) { return Y < 20 ? 240 : (Y > 240 ? -105 : 135 - Y); }
  // 110 pixels stand for A; dividing first keeps the reading at the input's dashes exactly A.
  double level(int d) const { return d / 110.0 * A; }
  double phase(int b) const { return b * w * kDelayStep; }
};

}  // namespace nontypical
