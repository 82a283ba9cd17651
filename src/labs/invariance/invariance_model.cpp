// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/invariance/invariance_model.h"

#include <algorithm>
#include <cmath>

#include "framework/pixels.h"

namespace invariance {

Params makeParams(double t1, double m) { return {t1, m, m * t1}; }

Params drawParams(rnd::Source& random) {
  const double t1 = random.range(10, 250) / 1000.0;
  const double m = random.range(50, 200) / 100.0;
  return makeParams(t1, m);
}

double sigma(const Params& p) { return (p.t1 + p.t2) / (2 * p.t1 * p.t2); }

double omegaSquared(const Params& p) {
  const double d = 2 * p.t1 * p.t2;
  return (6 * p.t1 * p.t2 - p.t1 * p.t1 - p.t2 * p.t2) / (d * d);
}

double decay(const Params& p, double c, double t) {
  const double s = sigma(p), w2 = omegaSquared(p);
  // Within rounding of a double pole the oscillating and the aperiodic forms meet at (1 + c·t).
  double cosine = 1, sine = t;
  if (w2 > 1e-12 * s * s) {
    const double w = std::sqrt(w2);
    cosine = std::cos(w * t);
    sine = std::sin(w * t) / w;
  } else if (w2 < -1e-12 * s * s) {
    const double v = std::sqrt(-w2);
    cosine = std::cosh(v * t);
    sine = std::sinh(v * t) / v;
  }
  return std::exp(-s * t) * (cosine + c * sine);
}

// Relative order two: the output leaves rest with zero slope, so c = σ.
double uncorrectedResponse(const Params& p, double t) { return 0.5 * (1 - decay(p, sigma(p), t)); }

// The feed-forward gain makes the numerator T1p + 2; the output leaves rest with slope 1/T2.
double gainResponse(const Params& p, double t) { return 1 - decay(p, sigma(p) - 1 / p.t2, t); }

void disturbanceStep(DisturbanceState& s, const Params& p, bool compensated, double dt) {
  constexpr double f = 1;
  if (compensated) {
    s.x1 = s.x1 + dt / p.t1 * (f - s.y - s.x1);
    s.y = s.y + dt / p.t2 * (s.x1 - f - s.y);
  } else {
    s.x1 = s.x1 + dt / p.t1 * (s.y - s.x1);
    s.y = s.y + dt / p.t2 * (-f - s.x1 - s.y);
  }
}

void runStep(RunState& s, Work work, const Params& p, double t3, double dt) {
  constexpr double u = 1;  // the step of g or of f
  if (work == Work::Reference) {
    s.x1 = s.x1 + dt / p.t1 * (u - s.y - s.x1);
    s.xk = s.xk + dt / t3 * (u - s.xk);
    const double wk = s.xk + p.t2 / t3 * (u - s.xk);
    s.y = s.y + dt / p.t2 * (s.x1 + wk - s.y);
  } else {
    s.xk = s.xk + dt / t3 * (u - s.xk);
    const double wk = s.xk + p.t1 / t3 * (u - s.xk);
    s.x1 = s.x1 + dt / p.t1 * (wk - s.y - s.x1);
    s.y = s.y + dt / p.t2 * (s.x1 - u - s.y);
  }
}

Plot plotOf(Work work, Task task, const Params& p) {
  const bool ref = work == Work::Reference;
  switch (task) {
    case Task::Error:
      // The disturbance's response dips to −0.68 before it settles at −0.5 (T2 = T1/2): its axis
      // stands at 155 so that the 82 pixels under it stay on the 239-row plot.
      return ref ? Plot{200, 170, 10 / (400 * sigma(p)), 380} : Plot{155, 120, (p.t1 + p.t2) * 4 / 400, 380};
    case Task::Gain:
      return ref ? Plot{200, 160, 8 / (400 * sigma(p)), 380} : Plot{180, 130, (p.t1 + p.t2) * 4 / 400, 380};
    case Task::Runs:
      // One step for all three runs: the time labels do not depend on T3.
      return ref ? Plot{200, 160, 4 * (p.t1 + p.t2 + 0.5 * p.t2) / 400, 370}
                 : Plot{160, 130, (p.t1 + 1.5 * p.t2) * 4 / 400, 370};
    case Task::Compensator:
      break;
  }
  return {};
}

int rowOf(const Plot& plot, double v) { return plot.y0 - ceil_(v * plot.scale); }

std::vector<double> response(Work work, Task task, const Params& p) {
  const Plot plot = plotOf(work, task, p);
  std::vector<double> r(static_cast<std::size_t>(plot.columns) + 1);
  if (work == Work::Reference) {
    for (int i = 0; i <= plot.columns; ++i)
      r[i] = task == Task::Error ? uncorrectedResponse(p, i * plot.dt) : gainResponse(p, i * plot.dt);
  } else {
    DisturbanceState s;
    for (int i = 1; i <= plot.columns; ++i) {
      disturbanceStep(s, p, task == Task::Gain, plot.dt);
      r[i] = s.y;
    }
  }
  return r;
}

double runLag(Work work, const Params& p, int run) {
  return kRunFactors[run] * (work == Work::Reference ? p.t2 : p.t1);
}

std::vector<double> run(Work work, const Params& p, int k) {
  const Plot plot = plotOf(work, Task::Runs, p);
  const double t3 = runLag(work, p, k);
  std::vector<double> y(static_cast<std::size_t>(plot.columns) + 1);
  RunState s;
  for (int i = 1; i <= plot.columns; ++i) {
    runStep(s, work, p, t3, plot.dt);
    y[i] = s.y;
  }
  return y;
}

std::vector<Tick> valueTicks(Work work, Task task) {
  const int S = plotOf(work, task, makeParams(0.1, 1)).scale;
  const int every = (S + 9) / 10;  // ceil(S/10)
  std::vector<Tick> ticks;
  for (int n = 0; n <= S; n += every) ticks.push_back({n, static_cast<double>(n) / S});
  if (work == Work::Disturbance) {
    // Below the axis only as far as the curve can go.
    const int last = task == Task::Error ? 64 : task == Task::Gain ? 44 : 74;
    for (int i = every; i <= last; i += every) ticks.push_back({-i, -static_cast<double>(i) / S});
  }
  return ticks;
}

double leadConstant(Work work, const Params& p) { return work == Work::Reference ? p.t2 : p.t1; }

Acceptance leadBand(double truth, double shown) {
  return Acceptance::hull(Acceptance::band(truth, 0.98, 1.02), Acceptance::band(shown, 0.98, 1.02));
}

}  // namespace invariance
