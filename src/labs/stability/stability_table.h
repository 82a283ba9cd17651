// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fifteen windows of the stability works as rows: which shape, which loop, the draw of the
// window's multiplier, the scales of its plots, its error limit. The windows read everything
// that differs between them from here.
#include <span>
#include <string>

#include "labs/stability/stability_model.h"

namespace stability {

inline constexpr int kHelpContext = 6;

enum class Shape { Coefficients, Frequency, Poles };
// Where a poles window puts the loop: on the boundary, beyond it, inside the stable region.
enum class Regime { Boundary, Unstable, Stable };

// RandomRange(lo, hi) / div; an empty draw (div 0) means no multiplier.
struct Draw {
  int lo = 0, hi = 0, div = 0;
  bool any() const { return div != 0; }
  double of(int r) const { return static_cast<double>(r) / div; }
};

struct WindowRow {
  int work = 1;  // 1..3
  int task = 1;  // 1..5
  Shape shape = Shape::Coefficients;
  Loop loop = Loop::Lags;
  int errorLimit = 5;
  Draw multiplier;  // m of the poles windows, q of Form18_4

  // Poles windows.
  Regime regime = Regime::Boundary;
  Rule rule = Rule::Lags;
  double sxPixels = 400.0 / 7;  // sx = sxPixels / ΣT pixels per second
  double endFactor = 6.5;       // the run ends at endFactor · ΣT
  double sy = 110;              // pixels per unit (the unstable windows take it from a pre-run)
  int y0 = 220;                 // time axis row

  // Frequency windows: sL = slPixels / L(slAt).
  double slPixels = 30;
  double slAt = 0.0001;

  std::string picture() const;  // "lab16_1" .. "lab16_4"
  // The task whose window's data the later windows of the work copy, and whose regeneration
  // restarts the work: Form16_1, Form17_1, Form18_2. Windows before the owner draw their own data (Form18_1).
  bool drawsOwnData() const { return task <= ownerTask(); }
  int ownerTask() const { return work == 3 ? 2 : 1; }
};

std::span<const WindowRow> allWindows();

}  // namespace stability
