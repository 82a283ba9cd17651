// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real differentiating link W(p) = T1p/(T2p + 1): drawn parameters, true answers and plot
// numbers of its four windows.
#include "plots_model.h"
#include "framework/random.h"

namespace compound::diff {

// Form7_1: the step response (T1/T2)·e^(−t/T2), read for T2 with T1 given.
struct Step {
  double T1 = 0, h0 = 0;

  static Step draw(rnd::Source& random = rnd::source());  // T1 = RandomRange(1, 25)/100, h0 = RandomRange(5, 25)/10
  double T2() const { return T1 / h0; }
  double delta() const { return 4 * (T1 + T2()) / 380; }
  double scale() const { return h0 > 1 ? 210 / h0 : 110; }
  StepCurve curve() const;
  Expected answer() const;  // T2 cut to 6
};

// Form7_2 and Form7_3: the input A·sin(ωt) and the ideal link's output B1·sin(ωt + π/2).
struct Harmonic {
  double T1 = 0, A = 0;
  int w = 10;

  static Harmonic draw(rnd::Source& random = rnd::source());  // T1 = RandomRange(1, 25)/100, ω = RandomRange(10, 100),
                                                              // A = RandomRange(1, 9)/100
  double B1() const { return w * A * T1; }
  double scale() const { return A < B1() ? 110 / B1() : 110 / A; }
  Sinusoids plot() const;
  Expected idealAnswer() const;  // B1 cut to 6 (Form7_2)
};

// Form7_3: the T2 that lowers the output amplitude k times below B1, and the output then.
struct Lowered {
  Harmonic h;
  int k = 2;

  static Lowered draw(rnd::Source& random = rnd::source());  // as Form7_2, then k = RandomRange(2, 10)
  // A·ωT1/√(1 + (ωT2)²) = B1/k.
  double T2() const { return std::sqrt(double(k) * k - 1) / h.w; }
  // The output for a given T2, with the input amplitude A included.
  Sinusoids output2(double T2) const;
  Expected answer() const;  // T2 cut to 6
};

// Form7_4: the asymptotic LAFC, read for T1 and T2.
struct Asymptotic {
  double T1 = 0, T2 = 0;

  static Asymptotic draw(rnd::Source& random = rnd::source());  // T1 = RandomRange(20, 50)/100, T2 = RandomRange(1,
                                                                // 15)/100, re-seeded before each
  Lafc lafc() const;
  std::vector<Expected> answers() const;  // T1 and T2 in full
};

}  // namespace compound::diff
