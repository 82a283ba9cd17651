// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "oscillating_model.h"

#include <algorithm>

#include "framework/random.h"

namespace oscillating {

double Link::step(double t) const {
  return k * (1 - std::exp(-gamma * t / T) * std::sin(beta() * t / T + phi0()) / beta());
}

double Link::rampUnit(double t) const {
  const double a = beta() * t / T + phi0();
  return t - 2 * gamma * T + T * std::exp(-gamma * t / T) * (std::cos(a) + gamma / beta() * std::sin(a));
}

Step Step::draw(rnd::Source& random) {
  const double T = random.range(30, 80) / 100.0;
  const double k = random.range(60, 130) / 100.0;
  return of(T, k, random.range(10, 30) / 100.0);
}

Step Step::of(double T, double k, double gamma) {
  Step s;
  s.T = T;
  s.k = k;
  s.gamma = gamma;
  // The last time on a 0.01 s grid, scanned down from 100 s, outside the 5 % band.
  for (int m = 10000; m >= 0; --m)
    if (std::fabs(k - s.step(m / 100.0)) / k >= 0.05) {
      s.tp = m / 100.0;
      break;
    }
  return s;
}

Acceptance Step::tpRule() const {
  const double drawn = links::drawnSettling([this](int x) { return column(x); }, k, dt());
  const Acceptance exact = Acceptance::band(tp, 0.94, 1.05), seen = Acceptance::band(drawn, 0.94, 1.05);
  return Acceptance::hull(exact, seen);
}

Acceptance Step::sigmaRule() const {
  // The curve is drawn for n = 1 … 331; it decays, so its highest row is the first maximum and
  // its lowest row after that the next minimum.
  constexpr int kLast = 331;
  int top = height(1), at = 1;
  for (int n = 2; n <= kLast; ++n)
    if (height(n) > top) top = height(n), at = n;
  int bottom = top;
  for (int n = at; n <= kLast; ++n) bottom = std::min(bottom, height(n));
  const double level = ceil_(100 * k);
  Acceptance seen = Acceptance::exact(sigma());
  for (int dTop : {-1, 0, 1})
    for (int dBottom : {-1, 0, 1}) {
      const double over = top + dTop - level, under = level - (bottom + dBottom);
      if (over <= 0 || under <= 0) continue;
      for (double s : {level / over, over / under}) seen = Acceptance::hull(seen, Acceptance::exact(s));
    }
  return Acceptance::hull(Acceptance::band(sigma(), 0.9, 1.1), seen);
}

links::RampCase drawRamp(rnd::Source& random) {
  const double T = random.range(30, 60) / 100.0;
  const double k = random.range(140, 200) / 100.0;
  return ramp(T, k, random.range(5, 65) / 100.0);
}

links::RampCase ramp(double T, double k, double gamma) {
  const Link l{T, k, gamma};
  links::RampCase r;
  r.p = {T, 0, k, gamma};
  // k > 1: the response, which lags the ramp by 2γT, overtakes it at last.
  for (int j = 1; j < 100000000; ++j) {
    const double t = 0.001 * j;
    if (k * l.rampUnit(t) - t >= 0) {
      r.crossingTime = t;
      break;
    }
  }
  const double dt = r.crossingTime / 76;
  const double S = 300 / (k * l.rampUnit(380 * dt));
  r.rise = [l, dt, S](int n) { return S * l.rampUnit(n * dt); };
  r.dotsBeforeInput = false;
  return r;
}

links::SteadySine drawSine(rnd::Source& random) {
  random.reseed();
  const double T = random.range(200, 400) / 1000.0;
  random.reseed();
  const double w = random.range(950, 1500) / 100.0;
  const double k = random.range(140, 200) / 100.0;
  return sine(T, w, k, random.range(2, 65) / 100.0);
}

links::SteadySine sine(double T, double w, double k, double gamma) {
  links::SteadySine s;
  s.p = {T, w, k, gamma};
  const double wt = w * T;
  s.amplitude = k / std::sqrt((1 - wt * wt) * (1 - wt * wt) + (2 * gamma * wt) * (2 * gamma * wt));
  if (wt == 1)
    s.phase = -std::numbers::pi / 2;
  else
    s.phase = std::atan(-2 * gamma * wt / (1 - wt * wt)) - (wt > 1 ? std::numbers::pi : 0);
  return s;
}

void Frequency::generate(bool keep, rnd::Source& random) {
  if (!keep && k != 0) return;
  random.range(110, 150);  // drawn as the other links draw T, but this series keeps T = 1.10
  T = 1.10;
  k = random.range(100, 140) / 100.0;
  gamma = random.range(25, 65) / 100.0;
}

double Frequency::omega(int run) const {
  const double q = std::log10(1 / T);
  static constexpr int spread[] = {-8, -4, 0, 4, 8};
  if (run == 3) return 1 / T;
  return std::pow(10.0, q + spread[std::clamp(run, 1, 5) - 1] * std::fabs(q));
}

double Frequency::D(double w) const {
  const double a = 1 - w * w * T * T, b = 2 * gamma * w * T;
  return a * a + b * b;
}

double Frequency::re(double w) const { return w == 1 / T ? 0 : k * (1 - w * w * T * T) / D(w); }

double Frequency::im(double w) const { return w == 1 / T ? -k / (2 * gamma * w * T) : -2 * gamma * w * T * k / D(w); }

double Frequency::phase(double w) const {
  if (w == 1 / T) return -std::numbers::pi / 2;
  const double a = std::atan(-2 * gamma * w * T / (1 - w * w * T * T));
  return w < 1 / T ? a : a - std::numbers::pi;
}

double Frequency::Sx() const {
  return 120 / (2 * std::max(std::fabs(std::log10(omega(1))), std::fabs(std::log10(omega(5)))));
}

double Frequency::SL() const {
  const double gain = 20 * std::log10(k);
  return 55 / std::max(std::fabs(gain - 40 * std::log10(omega(5) * T)), std::fabs(gain));
}

}  // namespace oscillating
