// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/stability_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "framework/pixels.h"

namespace stability {

Params drawParams(rnd::Source& random) {
  Params p;
  p.t1 = random.range(100, 500) / 1000.0;
  p.t2 = random.range(100, 500) / 1000.0;
  p.t3 = random.range(100, 500) / 1000.0;
  p.k1 = random.range(50, 150) / 100.0;
  return p;
}

Coefficients coefficients(Loop loop, const Params& p, double t4) {
  const double prod = p.t1 * p.t2 * p.t3;
  switch (loop) {
    case Loop::Lags: {
      const double n = p.k1 + 1;
      return {p.k1 / n, prod / n, (p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3) / n, (p.t1 + p.t2 + p.t3) / n, 0};
    }
    case Loop::Integrator:
      return {1, prod / p.k1, (p.t1 * p.t2 + p.t1 * p.t3) / p.k1, p.t1 / p.k1, 0};
    case Loop::DoubleIntegrator:
      return {1, prod / p.k1, p.t1 * p.t2 / p.k1, 0, 0};
    case Loop::Forcing:
      return {1, prod / p.k1, p.t1 * p.t2 / p.k1, t4, t4};
  }
  return {};
}

double criticalGain(Loop loop, const Params& p) {
  if (loop == Loop::Integrator) return p.t1 * (p.t2 + p.t3) / (p.t2 * p.t3);
  return (p.t1 + p.t2 + p.t3) * (p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3) / (p.t1 * p.t2 * p.t3) - 1;
}

Cubic characteristic(Loop loop, const Params& p, double v) {
  const double prod = p.t1 * p.t2 * p.t3;
  switch (loop) {
    case Loop::Lags:
      return {prod / (v + 1), (p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3) / (v + 1), (p.t1 + p.t2 + p.t3) / (v + 1), 1};
    case Loop::Integrator:
      return {prod / v, p.t1 * (p.t2 + p.t3) / v, p.t1 / v, 1};
    case Loop::DoubleIntegrator:
    case Loop::Forcing:
      return {prod / p.k1, p.t1 * p.t2 / p.k1, v, 1};
  }
  return {};
}

double OpenLoop::L(double w) const {
  const auto lag = [w](double t) { return 10 * std::log10(1 + (w * t) * (w * t)); };
  switch (loop) {
    case Loop::Lags:
      return 20 * std::log10(value) - 10 * std::log10((1 + (w * p.t1) * (w * p.t1)) * (1 + (w * p.t2) * (w * p.t2)) *
                                                      (1 + (w * p.t3) * (w * p.t3)));
    case Loop::Integrator:
      return 20 * std::log10(value) - 20 * std::log10(w * p.t1) -
             10 * std::log10((1 + (w * p.t2) * (w * p.t2)) * (1 + (w * p.t3) * (w * p.t3)));
    case Loop::DoubleIntegrator:
    case Loop::Forcing:
      return 20 * std::log10(p.k1) + lag(value) - 20 * std::log10(w * p.t1) - 20 * std::log10(w * p.t2) - lag(p.t3);
  }
  return 0;
}

double OpenLoop::phi(double w) const {
  switch (loop) {
    case Loop::Lags:
      return -(std::atan(w * p.t1) + std::atan(w * p.t2) + std::atan(w * p.t3));
    case Loop::Integrator:
      return -std::numbers::pi / 2 - std::atan(w * p.t2) - std::atan(w * p.t3);
    case Loop::DoubleIntegrator:
    case Loop::Forcing:
      return std::atan((value - p.t3) * w / (1 + p.t3 * value * w * w)) - std::numbers::pi;
  }
  return 0;
}

Crossover crossover(const OpenLoop& f) {
  // ω grows by a thousandth a step from 0.001 rad/s until L is at or below 0 dB. Every loop of
  // the works is above 0 dB there and L falls with ω all the way (by 20 dB a decade at least),
  // so the same first step is found testing the end of each stride of 64 steps and then the
  // steps of the one stride that ends at or below 0 dB. The cap only guards against
  // parameters no window draws.
  constexpr int kCap = 100000, kStride = 64;
  const auto step = [](Crossover& c) {
    c.w = c.w + c.w / 1000;
    ++c.steps;
  };
  Crossover c{0.001, 0};
  for (;;) {
    Crossover ahead = c;
    for (int i = 0; i < kStride && ahead.steps < kCap; ++i) step(ahead);
    if (ahead.steps == c.steps || !(f.L(ahead.w) > 0)) break;
    c = ahead;
  }
  while (f.L(c.w) > 0 && c.steps < kCap) step(c);
  return c;
}

Acceptance phaseMarginBand(double dphi) {
  const double lo = std::min(1.1 * dphi, dphi - 0.1);
  const double hi = std::max(0.9 * dphi, dphi + 0.1);
  // Only a negative entry is a margin of this loop.
  return {lo, std::min(hi, -std::numeric_limits<double>::denorm_min())};
}

double marginOnPlot(const OpenLoop& f, int i) {
  return -std::numbers::pi - ceil_(f.phi(std::pow(10.0, i / 100.0)) * 10) / 10.0;
}

Columns crossoverColumns(const OpenLoop& f, const Crossover& c, double sL) {
  // The pen covers the curve's row and the one next to it; L falls with ω, so the columns on
  // the 0 dB row are one run: from the first whose curve is at most a row above the axis to the
  // last at most a row below it (the two are neighbours where a steep curve jumps the row).
  const auto row = [&](int i) { return ceil_(f.L(std::pow(10.0, i / 100.0)) * sL); };
  const int at = static_cast<int>(std::floor(100 * std::log10(c.w)));
  int first = at, last = at + 1;
  while (row(first) <= 1 && first > at - 100) --first;
  while (row(last) >= -1 && last < at + 100) ++last;
  // first and last are now the columns just outside the run: the reading's column either side.
  return {first, last};
}

Acceptance crossoverBand(const OpenLoop& f, const Crossover& c, double sL) {
  const Columns k = crossoverColumns(f, c, sL);
  constexpr double typed = 1e-4;  // five digits of the readout's ω
  const Acceptance read{std::pow(10.0, k.first / 100.0) * (1 - typed), std::pow(10.0, k.last / 100.0) * (1 + typed)};
  return Acceptance::hull(band(c.w), read);
}

Acceptance readMarginBand(const OpenLoop& f, const Crossover& c, double sL) {
  Acceptance b = phaseMarginBand(-std::numbers::pi - f.phi(c.w));
  const Columns k = crossoverColumns(f, c, sL);
  constexpr double typed = 1e-4;  // a seven-character box keeps "-0.4416" of −0.44159
  for (int column = k.first; column <= k.last; ++column) {
    const double read = marginOnPlot(f, column);
    b.lo = std::min(b.lo, read - typed);
    b.hi = std::max(b.hi, std::min(read + typed, -std::numeric_limits<double>::denorm_min()));
  }
  return b;
}

namespace {

// Zero to rounding: what Cardano's formula leaves of a real part that is exactly zero is a few
// ulps of the poles' size, never anything a student could type.
void snapZeroRealParts(Poles& r) {
  double size = 0;
  for (int i = 0; i < 3; ++i) size = std::max({size, std::abs(r.alpha[i]), std::abs(r.beta[i])});
  for (double& a : r.alpha)
    if (std::abs(a) <= 1e-9 * size) a = 0;
}

}  // namespace

Poles poles(const Cubic& c) {
  const double b3 = c.a2 / (3 * c.a3);
  const double P = c.a1 / c.a3 - (c.a2 / c.a3) * (c.a2 / c.a3) / 3;
  const double Q = 2 * b3 * b3 * b3 - c.a2 * c.a1 / (3 * c.a3 * c.a3) + c.a0 / c.a3;
  const double D = Q * Q / 4 + P * P * P / 27;
  Poles r;
  if (D > 0) {
    const double u = std::cbrt(-Q / 2 + std::sqrt(D)), v = std::cbrt(-Q / 2 - std::sqrt(D));
    r.alpha = {u + v - b3, -(u + v) / 2 - b3, -(u + v) / 2 - b3};
    const double beta = (u - v) * std::sqrt(3.0) / 2;
    r.beta = {0, beta, -beta};
  } else if (P == 0) {
    r.alpha = {-b3, -b3, -b3};
  } else {
    // Three real roots: the trigonometric form of the depressed cubic t³ + P t + Q.
    const double m = 2 * std::sqrt(-P / 3);
    const double arg = std::clamp(3 * Q / (P * m), -1.0, 1.0);
    const double th = std::acos(arg) / 3;
    for (int k = 0; k < 3; ++k) r.alpha[k] = m * std::cos(th - 2 * std::numbers::pi * k / 3) - b3;
  }
  snapZeroRealParts(r);
  return r;
}

Poles polesOnBoundary(const Cubic& c) {
  Poles r = poles(c);
  r.alpha[1] = r.alpha[2] = 0;
  return r;
}

void PoleMatcher::reset(const Poles& poles) {
  poles_ = poles;
  closed_ = {};
  pending_.clear();
}

std::optional<double> PoleMatcher::enterAlpha(double v) {
  pending_.clear();
  for (int i = 0; i < 3; ++i)
    if (!closed_[i] && band(poles_.alpha[i]).accepts(v)) pending_.push_back(i);
  if (pending_.empty()) return std::nullopt;
  return poles_.alpha[pending_.front()];
}

std::optional<int> PoleMatcher::enterBeta(double v) {
  for (int i : pending_)
    if (band(poles_.beta[i]).accepts(v)) {
      closed_[i] = true;
      pending_.clear();
      return i;
    }
  return std::nullopt;
}

void eulerStep(Rule rule, const Params& p, double value, State& s, double g) {
  constexpr double dt = kDt;
  switch (rule) {
    case Rule::Lags:
      s.x1 = s.x1 + dt / p.t1 * (value * g - value * s.y - s.x1);
      s.x2 = s.x2 + dt / p.t2 * (s.x1 - s.x2);
      s.y = s.y + dt / p.t3 * (s.x2 - s.y);
      break;
    case Rule::Integrator:
      s.x1 = s.x1 + dt / p.t1 * (value * g - value * s.y);
      s.x2 = s.x2 + dt / p.t2 * (s.x1 - s.x2);
      s.y = s.y + dt / p.t3 * (s.x2 - s.y);
      break;
    case Rule::Cancelled:
      s.x1 = s.x1 + dt / p.t1 * (p.k1 * g - p.k1 * s.y);
      s.y = s.y + dt / p.t2 * s.x1;
      break;
    case Rule::Forcing: {
      const double e = p.k1 * (g - s.y);
      const double u = s.ePrev + value * (e - s.ePrev) / dt;
      s.x1 = s.x1 + dt / p.t1 * u;
      s.x2 = s.x2 + dt / p.t2 * s.x1;
      s.y = s.y + dt / p.t3 * (s.x2 - s.y);
      s.ePrev = e;
      break;
    }
  }
  s.t = s.t + dt;
}

double peakOfRun(Rule rule, const Params& p, double value, double end) {
  State s;
  double peak = 0;
  while (end > s.t) {
    eulerStep(rule, p, value, s);
    peak = std::max(peak, std::abs(s.y));
  }
  return peak;
}

}  // namespace stability
