// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PI link W(p) = (T1p + 1)/(T2p): drawn parameters, true answers and plot numbers of its
// four windows.
#include <array>

#include "plots_model.h"
#include "framework/random.h"

namespace compound::pi {

// Form6_1: the step response T1/T2 + t/T2, read for T2 and T1.
struct Step {
  double T1 = 0, h0 = 0;

  static Step draw(rnd::Source& random = rnd::source());  // T1 = RandomRange(10, 100)/100, h0 = RandomRange(2, 25)/10
  double T2() const { return T1 / h0; }
  // The ramp takes 380 pixels to climb 2 − h0 units (h0 ≤ 1) or 2 units above the jump.
  double delta() const { return h0 <= 1 ? T2() * (2 - h0) / 380 : T2() * 2 / 380; }
  double scale() const { return h0 <= 1 ? 110 : 220 / (h0 + 380 * delta() / T2()); }
  StepCurve curve() const;
  std::vector<Expected> answers() const;  // T2 cut to 4 characters, T1 in full
};

// Amplitude √((ωT1)² + 1)/(ωT2) and phase arctan(ωT1) − π/2 of the link at ω.
double amplitude(double T1, double T2, double w);
double phase(double T1, double w);

// Form6_2: the response to sin(ωt), read for the output amplitude and the phase shift.
struct Sine {
  double T1 = 0, T2 = 0, w = 0;

  static Sine draw(rnd::Source& random = rnd::source());  // T1 = RandomRange(100, 600)/1000, T2 = RandomRange(100,
                                                          // 1000)/1000, ω = RandomRange(500, 1500)/100
  double A() const { return amplitude(T1, T2, w); }
  double dphi() const { return phase(T1, w); }
  Sinusoids plot() const;
  std::vector<Expected> answers() const;  // A cut to 5, Δφ cut to 6
};

// Form6_3: the frequency ω1 at which the output amplitude is R, then the sinusoids at ω1.
struct Frequency {
  double T1 = 0, T2 = 0;
  int N = 2;

  // T1 and T2 as in Form6_2; N = RandomRange(2, 10) after a re-seed, drawn again while
  // N·T2 ≤ T1 (no frequency lowers the amplitude below T1/T2).
  static Frequency draw(rnd::Source& random = rnd::source());
  int target() const { return T1 >= T2 ? N : 1; }
  double w1() const;
  Sinusoids plot() const;   // at ω1, with a fixed advance whatever ω1 is
  Expected answer() const;  // ω1 cut to 5
};

// Form6_4: the inverting amplifier with Z1 = R1 and Z2 = R2 + 1/(C2p) gives
// −(R2C2p + 1)/(R1C2p), so with C2 = 1 µF: R2 = T1·10⁶ and R1 = T2·10⁶ ohms.
struct Circuit {
  int t1 = 100, t2 = 100;  // the drawn integers: T1 = t1/1000, T2 = t2/1000

  static Circuit draw(rnd::Source& random = rnd::source());  // t1 = RandomRange(100, 600), t2 = RandomRange(100, 1000)
  double T1() const { return t1 / 1000.0; }
  double T2() const { return t2 / 1000.0; }
  long R1() const { return 1000L * t2; }
  long R2() const { return 1000L * t1; }
  std::vector<Expected> answers() const;  // R1 and R2 exactly, shown cut to 6

  // The ticks of R1, L1, C1, R2, L2, C2: right for R1 alone in Z1 and R2 with C2 in Z2.
  static bool rightElements(const std::array<bool, 6>& ticked);
};

}  // namespace compound::pi
