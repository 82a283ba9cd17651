// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An independent integration of the invariance loops: the lags as first-order equations,
// integrated by classic RK4 with a fine step, to check the closed forms and the drawn curves.
#include <array>
#include <functional>
#include <vector>

namespace invariance_test {

using State = std::array<double, 3>;  // x1 (first lag), xk (compensator lag), y (output)
using Rhs = std::function<State(const State&)>;

// One RK4 step of length h.
inline State rk4Step(const Rhs& f, const State& s, double h) {
  auto add = [](State a, const State& b, double k) {
    for (int i = 0; i < 3; ++i) a[i] += k * b[i];
    return a;
  };
  const State k1 = f(s), k2 = f(add(s, k1, h / 2)), k3 = f(add(s, k2, h / 2)), k4 = f(add(s, k3, h));
  State r = s;
  for (int j = 0; j < 3; ++j) r[j] += h / 6 * (k1[j] + 2 * k2[j] + 2 * k3[j] + k4[j]);
  return r;
}

// The reference loop under g = 1: x1' = (g − y − x1)/T1, y' = (x1 + v − y)/T2 where v is
// what reaches the second junction from g: nothing, the gain k, or Wk = (Tn p + 1)/(T3 p + 1).
// The disturbance loop under f = 1: x1' = (v − y − x1)/T1, y' = (x1 − f − y)/T2 with v from f.
struct Loop {
  bool reference = true;
  double t1 = 0, t2 = 0;
  enum Path { None, Gain, Lead } path = None;
  double t3 = 1;

  double compensator(const State& s) const {
    switch (path) {
      case None:
        return 0;
      case Gain:
        return 1;
      case Lead: {
        const double tn = reference ? t2 : t1;
        // (Tn p + 1)/(T3 p + 1) = Tn/T3 + (1 − Tn/T3)/(T3 p + 1)
        return tn / t3 + (1 - tn / t3) * s[1];
      }
    }
    return 0;
  }
  State rhs(const State& s) const {
    const double v = compensator(s);
    const double xk = path == Lead ? (1 - s[1]) / t3 : 0;
    if (reference) return {(1 - s[2] - s[0]) / t1, xk, (s[0] + v - s[2]) / t2};
    return {(v - s[2] - s[0]) / t1, xk, (s[0] - 1 - s[2]) / t2};
  }
  // y at t = i·dt for i = 0 .. n, from rest, 50 RK4 steps per dt.
  std::vector<double> samples(double dt, int n) const {
    std::vector<double> out{0};
    State s{0, 0, 0};
    const Rhs f = [this](const State& x) { return rhs(x); };
    for (int i = 1; i <= n; ++i) {
      for (int k = 0; k < 50; ++k) s = rk4Step(f, s, dt / 50);
      out.push_back(s[2]);
    }
    return out;
  }
};

}  // namespace invariance_test
