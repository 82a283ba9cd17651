// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inertial-forcing link W(p) = k·(T1p + 1)/(T2p + 1): drawn parameters, true answers and
// plot numbers of its three windows.
#include "plots_model.h"
#include "framework/random.h"

namespace compound::infors {

// Form8_1: the step response k·(1 + (T1/T2 − 1)·e^(−t/T2)), read for k and T2 with T1 given.
struct Step {
  double T1 = 0, T2 = 0, k = 0;

  // T1 = RandomRange(1, 25)/100, h0 = RandomRange(5, 25)/10, k = RandomRange(50, 150)/100;
  // T2 = k·T1/h0, and a ratio T1/T2 in (0.5, 2] becomes 2 (T1 := 2·T2).
  static Step draw(rnd::Source& random = rnd::source());
  static Step of(double T1, double h0, double k);
  double ratio() const { return T1 / T2; }
  double delta() const { return ratio() >= 1 ? std::log(ratio()) * 8 * T2 / 380 : 8 * T2 / 380; }
  double scale() const { return ratio() >= 1 ? 160 / (k * ratio()) : 110; }
  StepCurve curve() const;
  // T1 as the task shows it: cut to 6 characters, so that T2 worked out from it still
  // lands within the band (cut to 4, a T1 of 0.0212 would show 5.7 % low).
  QString shownT1() const;
  std::vector<Expected> answers() const;  // k and T2, each cut to 6
};

// Form8_2: the response to sin(ωt), read for k.
struct Sine {
  double T1 = 0, T2 = 0, k = 0;
  int w = 1;

  // T1 = RandomRange(1, 20)/100, T2 likewise after a re-seed, ω = RandomRange(1, 10),
  // k = RandomRange(3, 100)/10.
  static Sine draw(rnd::Source& random = rnd::source());
  double A() const;
  double dphi() const;
  Sinusoids plot() const;
  Expected answer() const;  // k cut to 6
};

// Form8_3: the asymptotic LAFC, read for T1 and T2.
struct Asymptotic {
  double T1 = 0, T2 = 0, k = 0;

  // T1 = RandomRange(20, 50)/100, T2 = RandomRange(1, 15)/100, k = RandomRange(2, 100)/10,
  // re-seeded before each; a k of 1.0 becomes 2.0 (the plot would have no height).
  static Asymptotic draw(rnd::Source& random = rnd::source());
  Lafc lafc() const;
  std::vector<Expected> answers() const;  // T1 and T2 in full
};

}  // namespace compound::infors
