// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "aperiodic_model.h"

#include <algorithm>
#include <numbers>

#include "framework/random.h"

namespace aperiodic {

Step Step::draw(rnd::Source& random) {
  Step s;
  s.T = random.range(10, 100) / 100.0;
  s.k = random.range(120, 200) / 100.0;
  return s;
}

double Step::drawnTp() const {
  return links::drawnSettling([this](int x) { return column(x); }, k, dt());
}

Acceptance Step::tpRule() const {
  const Acceptance exact = Acceptance::band(tp(), 0.94, 1.05);
  const Acceptance drawn = Acceptance::band(drawnTp(), 0.94, 1.05);
  return Acceptance::hull(exact, drawn);
}

double Step::tangentStart(int b) const {
  const double t0 = b * dt();
  const double fall = std::exp(-t0 / T);
  return k * (1 - fall) - t0 * (k / T) * fall;
}

links::RampCase drawRamp(rnd::Source& random) {
  const double T = random.range(40, 85) / 100.0;
  return ramp(T, random.range(120, 200) / 100.0);
}

links::RampCase ramp(double T, double k) {
  links::RampCase r;
  r.p.T = T;
  r.p.k = k;
  r.rise = [](int n) { return 200 * (std::exp(-n / 200.0) - 1 + n / 200.0); };
  // k > 1, so the response overtakes the ramp (within kT/(k − 1) seconds).
  for (int a = 1; a < 10000000; ++a) {
    const double t = a / 200.0;
    if (k * (t - T * (1 - std::exp(-t / T))) >= t) {
      r.crossingTime = t;
      break;
    }
  }
  return r;
}

links::SteadySine drawSine(rnd::Source& random) {
  const double T = random.range(200, 400) / 1000.0;
  const double w = random.range(950, 1500) / 100.0;
  return sine(T, w, random.range(140, 200) / 100.0);
}

links::SteadySine sine(double T, double w, double k) {
  links::SteadySine s;
  s.p = {T, w, k};
  s.amplitude = k / std::sqrt(1 + (w * T) * (w * T));
  s.phase = std::atan2(-w * T, 1.0);
  return s;
}

void Frequency::generate(bool keep, rnd::Source& random) {
  if (!keep && T != 0) return;
  T = random.range(110, 150) / 100.0;
  k = random.range(140, 200) / 100.0;
}

double Frequency::omega(int run) const {
  const double L0 = std::log10(1 / T), D = std::fabs(L0);
  static constexpr int spread[] = {-6, -3, 0, 3, 6};
  if (run == 3) return 1 / T;
  return std::pow(10.0, L0 + spread[std::clamp(run, 1, 5) - 1] * D);
}

double Frequency::level(double w) const { return 20 * std::log10(k) - 10 * std::log10(1 + (w * T) * (w * T)); }

double Frequency::Sx() const { return 60 / std::max(std::fabs(std::log10(omega(1))), std::fabs(std::log10(omega(5)))); }

double Frequency::SL() const { return 30 / std::max(std::fabs(level(omega(1))), std::fabs(level(omega(5)))); }

double Frequency::Sphi() const { return 30 / std::max(std::fabs(phase(omega(1))), std::fabs(phase(omega(5)))); }

links::LagSeries::Steps Frequency::steps() const { return {0.25, 5, std::numbers::pi / 2, 0.5, 1}; }

}  // namespace aperiodic
