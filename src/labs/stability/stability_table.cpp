// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/stability_table.h"

#include <vector>

namespace stability {

namespace {

WindowRow coefficientRow(int work, int task, Loop loop, int limit) {
  WindowRow r;
  r.work = work;
  r.task = task;
  r.shape = Shape::Coefficients;
  r.loop = loop;
  r.errorLimit = limit;
  return r;
}

WindowRow frequencyRow(int work, int task, Loop loop, double slPixels, double slAt, Draw q = {}) {
  WindowRow r = coefficientRow(work, task, loop, 3);
  r.shape = Shape::Frequency;
  r.slPixels = slPixels;
  r.slAt = slAt;
  r.multiplier = q;
  return r;
}

struct PoleScales {
  double sxPixels, endFactor, sy;
  int y0;
};
constexpr PoleScales kShort{400.0 / 7, 6.5, 110, 220};
constexpr PoleScales kShortUnstable{400.0 / 7, 6.5, 0, 150};
constexpr PoleScales kLong{40, 9.5, 110, 220};

WindowRow polesRow(int work, int task, Loop loop, Rule rule, Regime regime, Draw m, PoleScales s) {
  WindowRow r = coefficientRow(work, task, loop, 5);
  r.shape = Shape::Poles;
  r.rule = rule;
  r.regime = regime;
  r.multiplier = m;
  r.sxPixels = s.sxPixels;
  r.endFactor = s.endFactor;
  r.sy = s.sy;
  r.y0 = s.y0;
  return r;
}

std::vector<WindowRow> build() {
  constexpr Draw above{120, 150, 100}, below{30, 60, 100};
  constexpr auto B = Regime::Boundary, U = Regime::Unstable, S = Regime::Stable;
  using L = Loop;
  using R = Rule;
  return {
      coefficientRow(1, 1, L::Lags, 5),
      frequencyRow(1, 2, L::Lags, 30, 0.0001),
      polesRow(1, 3, L::Lags, R::Lags, B, {}, kShort),
      polesRow(1, 4, L::Lags, R::Lags, U, above, kShortUnstable),
      polesRow(1, 5, L::Lags, R::Lags, S, below, kShort),

      coefficientRow(2, 1, L::Integrator, 4),
      frequencyRow(2, 2, L::Integrator, 15, 1),
      polesRow(2, 3, L::Integrator, R::Integrator, B, {}, kShort),
      polesRow(2, 4, L::Integrator, R::Integrator, U, above, kShortUnstable),
      polesRow(2, 5, L::Integrator, R::Integrator, S, below, kLong),

      coefficientRow(3, 1, L::DoubleIntegrator, 4),
      coefficientRow(3, 2, L::Forcing, 5),
      polesRow(3, 3, L::Forcing, R::Cancelled, B, {}, {40, 9.5, 100, 220}),
      frequencyRow(3, 4, L::Forcing, 15, 1, {20, 40, 10}),
      polesRow(3, 5, L::Forcing, R::Forcing, S, {10, 40, 10}, kLong),
  };
}

}  // namespace

std::string WindowRow::picture() const {
  if (work < 3) return "lab16_" + std::to_string(work);
  return task == 1 ? "lab16_3" : "lab16_4";
}

std::span<const WindowRow> allWindows() {
  static const std::vector<WindowRow> rows = build();
  return rows;
}

}  // namespace stability
