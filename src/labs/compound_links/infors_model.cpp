// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "infors_model.h"

#include <algorithm>

#include "framework/numtext.h"
#include "framework/random.h"
#include "diff_model.h"

namespace compound::infors {

using numtext::FloatCut;

Step Step::of(double T1, double h0, double k) {
  Step s{T1, k * T1 / h0, k};
  const double r = s.ratio();
  if (r > 0.5 && r <= 2) s.T1 = 2 * s.T2;
  return s;
}

Step Step::draw(rnd::Source& random) {
  const double T1 = random.range(1, 25) / 100.0;
  const double h0 = random.range(5, 25) / 10.0;
  const double k = random.range(50, 150) / 100.0;
  return of(T1, h0, k);
}

StepCurve Step::curve() const {
  const double S = scale();
  return StepCurve::sampled(
      delta(), S, [this](double t) { return (std::exp(-t / T2) * (ratio() - 1) + 1) * k; }, ceil_(k * S));
}

QString Step::shownT1() const { return FloatCut(T1, 6); }

std::vector<Expected> Step::answers() const {
  return {{Acceptance::band(k), FloatCut(k, 6)}, {Acceptance::band(T2), FloatCut(T2, 6)}};
}

Sine Sine::draw(rnd::Source& random) {
  Sine s;
  s.T1 = random.range(1, 20) / 100.0;
  random.reseed();
  s.T2 = random.range(1, 20) / 100.0;
  s.w = random.range(1, 10);
  s.k = random.range(3, 100) / 10.0;
  return s;
}

double Sine::A() const {
  const double a = w * T1, b = w * T2;
  return k * std::sqrt(a * a + 1) / std::sqrt(b * b + 1);
}

double Sine::dphi() const { return std::atan((w * T1 - w * T2) / (double(w) * w * T1 * T2 + 1)); }

Sinusoids Sine::plot() const {
  const double a = A();
  return {a > 1 ? 110 / a : 110, 1, a, dphi(), kHarmonicAdvance};
}

Expected Sine::answer() const { return {Acceptance::band(k), FloatCut(k, 6)}; }

Asymptotic Asymptotic::draw(rnd::Source& random) {
  // T1 and T2 as the differentiating link's asymptotic LAFC draws them, then k.
  const diff::Asymptotic lags = diff::Asymptotic::draw(random);
  Asymptotic a;
  a.T1 = lags.T1;
  a.T2 = lags.T2;
  random.reseed();
  const int k = random.range(2, 100);
  a.k = (k == 10 ? 20 : k) / 10.0;
  return a;
}

Lafc Asymptotic::lafc() const {
  const double lgk = std::log10(k), lgT1 = std::log10(1 / T1), lgT2 = std::log10(1 / T2);
  const double high = lgk + lgT2 - lgT1;
  Lafc l;
  l.Lx = std::fabs(210 / lgT2);
  l.Ly = 120 / std::max(std::fabs(lgk), std::fabs(high));
  // Flat at lg k up to 1/T1, rising a decade per decade up to 1/T2, flat after it.
  l.corners = {{std::log10(0.1), lgk}, {lgT1, lgk}, {lgT2, high}, {std::log10(1e5 / T1), high}};
  return l;
}

std::vector<Expected> Asymptotic::answers() const {
  return {{Acceptance::band(T1), FloatToStr(T1)}, {Acceptance::band(T2), FloatToStr(T2)}};
}

}  // namespace compound::infors
