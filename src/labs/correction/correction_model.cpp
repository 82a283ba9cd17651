// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/correction/correction_model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "framework/pixels.h"

namespace correction {

const std::array<Work, 3>& works() {
  // T2 decides the parallel and local-feedback gains with eight to ten times its own relative
  // weight, so their gain windows show it to the last digit m·T1 can have.
  static const std::array<Work, 3> table{{
      {Scheme::Series, "lab13_1", 91, 2, 5, {0}},
      {Scheme::Parallel, "lab14", 92, 3, 6, {0, 1}},
      {Scheme::LocalFeedback, "lab15", 93, 2, 6, {0}},
  }};
  return table;
}

const Work& work(Scheme s) {
  for (const Work& w : works())
    if (w.scheme == s) return w;
  throw std::out_of_range("correction::work");
}

Params drawParams(rnd::Source& random) {
  Params p;
  p.T1 = random.range(10, 250) / 1000.0;
  p.m = random.range(65, 85) / 10.0;
  p.T2 = p.m * p.T1;
  return p;
}

std::vector<double> gains(Scheme s, double T1, double T2) {
  const double root = 2 * std::sqrt(T1 * T2);
  switch (s) {
    case Scheme::Series:
      return {(T1 - T2) * (T1 - T2) / (4 * T1 * T2)};
    case Scheme::Parallel:
      return {(root + (T2 - T1)) / T1, (T2 - T1 - root) / T1};
    case Scheme::LocalFeedback:
      return {(T2 - T1 - root) / T2};
  }
  return {};
}

Polynomial characteristic(Scheme s, double T1, double T2, double k) {
  switch (s) {
    case Scheme::Series:
      return {T1 * T2, T1 + T2, 1 + k};
    case Scheme::Parallel:
      return {T1 * T2, T1 + T2 + k * T1, 2 + k};
    case Scheme::LocalFeedback:
      return {T1 * T2, T1 + T2 - k * T2, 2 - k};
  }
  return {0, 0, 0};
}

State eulerStep(Scheme s, double T1, double T2, double k, double dt, State st) {
  constexpr double g = 1;
  switch (s) {
    case Scheme::Series:
      st.x = st.x + dt * (k * g - k * st.y - st.x) / T1;
      st.y = st.y + dt * (st.x - st.y) / T2;
      break;
    case Scheme::Parallel:
      st.x = st.x + dt * (g - st.y - st.x) / T1;
      st.y = st.y + dt * (k * (g - st.y) + st.x - st.y) / T2;
      break;
    case Scheme::LocalFeedback:
      st.x = st.x + dt * (g - st.y + k * st.x - st.x) / T1;
      st.y = st.y + dt * (st.x - st.y) / T2;
      break;
  }
  return st;
}

double settlingTime(const std::vector<double>& y, double dt) {
  if (y.empty()) return 0;
  const double yInf = y.back();
  double t = 0;
  for (std::size_t j = 1; j < y.size(); ++j)
    if (y[j] <= 0.95 * yInf || y[j] > 1.05 * yInf) t = static_cast<double>(j) * dt;
  return t;
}

Response simulate(Scheme s, double T1, double T2, double k) {
  Response r;
  r.dt = stepDt(T1, T2);
  r.y.reserve(kRunSteps + 1);
  State st;
  r.y.push_back(st.y);
  for (int j = 1; j <= kRunSteps; ++j) {
    st = eulerStep(s, T1, T2, k, r.dt, st);
    r.y.push_back(st.y);
  }
  r.settling = settlingTime(r.y, r.dt);
  return r;
}

int row(double y) { return kAxisRow - ceil_(kScale * y); }

int lineRow(double v) {
  return static_cast<int>(std::clamp(std::ceil(kLineMax - v * kScale), 0.0, static_cast<double>(kLineMax))) + 10;
}

double drawnSettling(const Response& r) {
  const int low = lineRow(0.95 * r.steady()), high = lineRow(1.05 * r.steady());
  int last = 0;
  for (int i = 1; i <= kLastColumn && i < static_cast<int>(r.y.size()); ++i)
    if (row(r.y[i]) > low || row(r.y[i]) < high) last = i;
  return last * r.dt;
}

Acceptance settlingRule(const Response& r) {
  const Acceptance exact = Acceptance::band(r.settling, 0.9, 1.1), drawn = Acceptance::band(drawnSettling(r), 0.9, 1.1);
  return Acceptance::hull(exact, drawn);
}

double readSteady(const Response& r) {
  const double level = ceil_(kScale * r.steady()) / static_cast<double>(kScale);
  return trunc_(level * 100) / 100.0;
}

Acceptance errorRule(const Response& r) {
  const Acceptance exact = Acceptance::band(r.error()), read = Acceptance::band(1 - readSteady(r));
  return Acceptance::hull(exact, read);
}

}  // namespace correction
