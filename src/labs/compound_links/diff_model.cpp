// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diff_model.h"

#include "framework/numtext.h"
#include "framework/random.h"

namespace compound::diff {

using numtext::FloatCut;

Step Step::draw(rnd::Source& random) {
  Step s;
  s.T1 = random.range(1, 25) / 100.0;
  s.h0 = random.range(5, 25) / 10.0;
  return s;
}

StepCurve Step::curve() const {
  return StepCurve::sampled(delta(), scale(), [this](double t) { return std::exp(-t / T2()) * h0; });
}

Expected Step::answer() const { return {Acceptance::band(T2()), FloatCut(T2(), 6)}; }

Harmonic Harmonic::draw(rnd::Source& random) {
  Harmonic h;
  h.T1 = random.range(1, 25) / 100.0;
  h.w = random.range(10, 100);
  h.A = random.range(1, 9) / 100.0;
  return h;
}

Sinusoids Harmonic::plot() const { return {scale(), A, B1(), kPi / 2, kHarmonicAdvance}; }

Expected Harmonic::idealAnswer() const { return {Acceptance::band(B1()), FloatCut(B1(), 6)}; }

Lowered Lowered::draw(rnd::Source& random) {
  Lowered l;
  l.h = Harmonic::draw(random);
  l.k = random.range(2, 10);
  return l;
}

Sinusoids Lowered::output2(double T2) const {
  const double wT2 = h.w * T2;
  return {h.scale(), h.A, h.A * h.w * h.T1 / std::sqrt(1 + wT2 * wT2), kPi / 2 - std::atan(wT2), kHarmonicAdvance};
}

Expected Lowered::answer() const { return {Acceptance::band(T2()), FloatCut(T2(), 6)}; }

Asymptotic Asymptotic::draw(rnd::Source& random) {
  Asymptotic a;
  random.reseed();
  a.T1 = random.range(20, 50) / 100.0;
  random.reseed();
  a.T2 = random.range(1, 15) / 100.0;
  return a;
}

Lafc Asymptotic::lafc() const {
  const double lgT1 = std::log10(1 / T1), lgT2 = std::log10(1 / T2);
  Lafc l;
  l.Lx = std::fabs(210 / lgT2);
  l.Ly = std::fabs(150 / (lgT2 - std::log10(T1)));
  // One decade per decade up to the corner 1/T2, zero at 1/T1, flat after the corner.
  l.corners = {{std::log10(0.1), std::log10(0.1) - lgT1}, {lgT2, lgT2 - lgT1}, {std::log10(1e5 / T1), lgT2 - lgT1}};
  return l;
}

std::vector<Expected> Asymptotic::answers() const {
  return {{Acceptance::band(T1), FloatToStr(T1)}, {Acceptance::band(T2), FloatToStr(T2)}};
}

}  // namespace compound::diff
