// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pi_model.h"

#include "framework/numtext.h"
#include "framework/random.h"

namespace compound::pi {

using numtext::FloatCut;

Step Step::draw(rnd::Source& random) {
  Step s;
  s.T1 = random.range(10, 100) / 100.0;
  s.h0 = random.range(2, 25) / 10.0;
  return s;
}

StepCurve Step::curve() const {
  return StepCurve::sampled(delta(), scale(), [this](double t) { return t / T2() + T1 / T2(); });
}

std::vector<Expected> Step::answers() const {
  return {{Acceptance::band(T2()), FloatCut(T2(), 4)}, {Acceptance::band(T1), FloatToStr(T1)}};
}

double amplitude(double T1, double T2, double w) { return std::sqrt((w * T1) * (w * T1) + 1) / (w * T2); }
double phase(double T1, double w) { return std::atan(w * T1) - kPi / 2; }

Sine Sine::draw(rnd::Source& random) {
  Sine s;
  s.T1 = random.range(100, 600) / 1000.0;
  s.T2 = random.range(100, 1000) / 1000.0;
  s.w = random.range(500, 1500) / 100.0;
  return s;
}

Sinusoids Sine::plot() const {
  const double a = A();
  return {a >= 1 ? 110 / a : 110, 1, a, dphi(), w * 2 * kPi / 1900};
}

std::vector<Expected> Sine::answers() const {
  return {{Acceptance::band(A()), FloatCut(A(), 5)}, {Acceptance::band(dphi()), FloatCut(dphi(), 6)}};
}

Frequency Frequency::draw(rnd::Source& random) {
  Frequency f;
  f.T1 = random.range(100, 600) / 1000.0;
  f.T2 = random.range(100, 1000) / 1000.0;
  random.reseed();
  f.N = random.range(2, 10);
  // T1/T2 stays below 6, so a draw of 6 to 9 always ends this; the bound only guards a
  // generator that keeps repeating itself.
  for (int tries = 0; f.T1 >= f.T2 && f.N * f.T2 <= f.T1 && tries < 1000; ++tries) f.N = random.range(2, 10);
  return f;
}

double Frequency::w1() const {
  const double R = target();
  return 1 / std::sqrt((R * T2) * (R * T2) - T1 * T1);
}

Sinusoids Frequency::plot() const {
  const double a = amplitude(T1, T2, w1());
  return {a >= 1 ? 110 / a : 110, 1, a, phase(T1, w1()), 7.5 * 2 * kPi / 1900};
}

Expected Frequency::answer() const { return {Acceptance::band(w1()), FloatCut(w1(), 5)}; }

Circuit Circuit::draw(rnd::Source& random) {
  Circuit c;
  c.t1 = random.range(100, 600);
  c.t2 = random.range(100, 1000);
  return c;
}

std::vector<Expected> Circuit::answers() const {
  return {{Acceptance::exact(static_cast<double>(R1())), FloatCut(static_cast<double>(R1()), 6)},
          {Acceptance::exact(static_cast<double>(R2())), FloatCut(static_cast<double>(R2()), 6)}};
}

bool Circuit::rightElements(const std::array<bool, 6>& t) { return t[0] && !t[1] && !t[2] && t[3] && !t[4] && t[5]; }

}  // namespace compound::pi
