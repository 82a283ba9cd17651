// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stability works worked out again, independently of the trainer's model: the loops'
// polynomials written from their transfer functions, a Durand–Kerner root finder, the open-loop
// characteristics, the crossover by bisection and a plain Euler run.
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace st {

struct P {
  double t1, t2, t3, k1;
};

using Roots = std::array<std::complex<double>, 3>;

// Roots of c3 p³ + c2 p² + c1 p + c0 by simultaneous (Durand–Kerner) iteration.
inline Roots roots(double c3, double c2, double c1, double c0) {
  const std::complex<double> b = c2 / c3, c = c1 / c3, d = c0 / c3;
  const auto f = [&](std::complex<double> z) { return ((z + b) * z + c) * z + d; };
  Roots z{std::complex<double>(0.4, 0.9), std::complex<double>(0.4, 0.9) * std::complex<double>(0.4, 0.9),
          std::pow(std::complex<double>(0.4, 0.9), 3)};
  const double scale = std::max({1.0, std::abs(b), std::cbrt(std::abs(d))});
  for (auto& zi : z) zi *= scale;
  for (int it = 0; it < 2000; ++it)
    for (int i = 0; i < 3; ++i) {
      std::complex<double> den = 1;
      for (int j = 0; j < 3; ++j)
        if (j != i) den *= z[i] - z[j];
      z[i] -= f(z[i]) / den;
    }
  return z;
}

// The closed loop's denominator (unnormalised) at gain K (works 1, 2) or time constant T4 (3).
inline std::array<double, 4> polynomial(int work, const P& p, double v) {
  const double prod = p.t1 * p.t2 * p.t3;
  if (work == 1) return {prod, p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3, p.t1 + p.t2 + p.t3, 1 + v};
  if (work == 2) return {prod, p.t1 * p.t2 + p.t1 * p.t3, p.t1, v};
  return {prod, p.t1 * p.t2, p.k1 * v, p.k1};
}
inline Roots poles(int work, const P& p, double v) {
  const auto c = polynomial(work, p, v);
  return roots(c[0], c[1], c[2], c[3]);
}

// Routh–Hurwitz boundary of a third-order polynomial: c2 c1 = c3 c0.
inline double criticalValue(int work, const P& p) {
  if (work == 1) {
    const double c3 = p.t1 * p.t2 * p.t3, c2 = p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3, c1 = p.t1 + p.t2 + p.t3;
    return c2 * c1 / c3 - 1;
  }
  if (work == 2) return (p.t1 * p.t2 + p.t1 * p.t3) * p.t1 / (p.t1 * p.t2 * p.t3);
  return p.t3;  // T1T2 · k1T4 = T1T2T3 · k1
}

// |W(jω)| in dB and arg W(jω) of the open loop, from its complex frequency response.
inline std::complex<double> open(int work, const P& p, double v, double w) {
  const std::complex<double> s(0, w);
  if (work == 1) return v / ((1.0 + s * p.t1) * (1.0 + s * p.t2) * (1.0 + s * p.t3));
  if (work == 2) return v / (s * p.t1 * (1.0 + s * p.t2) * (1.0 + s * p.t3));
  return p.k1 * (1.0 + s * v) / (s * p.t1 * s * p.t2 * (1.0 + s * p.t3));
}
inline double L(int work, const P& p, double v, double w) { return 20 * std::log10(std::abs(open(work, p, v, w))); }

// Where L falls through 0 dB, by bisection in lg ω.
inline double crossover(int work, const P& p, double v) {
  double lo = -3, hi = 4;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2;
    (L(work, p, v, std::pow(10.0, mid)) > 0 ? lo : hi) = mid;
  }
  return std::pow(10.0, hi);
}

// Phase of the forcing loop, unwrapped to lie near −π.
inline double phaseForcing(const P& p, double t4, double w) {
  return std::atan(w * t4) - std::atan(w * p.t3) - std::numbers::pi;
}

}  // namespace st
