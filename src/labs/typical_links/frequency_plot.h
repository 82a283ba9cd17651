// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry shared by the frequency-characteristics windows of the typical links: the small
// sine plot with its pointer readout and the three frequency plots with their markers.
// Plain numbers only; the links compute where things go, the window draws them.
#include <numbers>
#include <vector>

namespace freq {

enum class Plot { Lafc, Hodograph, Phase };

// A bounding box (right and bottom edges excluded) or a polyline, in plot pixels.
struct Box {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const Box&) const = default;
};
struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};
struct Curve {
  std::vector<Point> points;
  int width = 3;
};

// The sine plot: π/150 radians of the sine's argument per pixel, origin at (40, 60).
inline constexpr double K = std::numbers::pi / 150;
inline constexpr int kPasses = 271;  // passes 1 to 270 draw, 271 ends the trace
// Clamped offsets of the pointer from the origin; negative left of and below the axes.
inline int offsetX(int X) { return X < 0 ? 0 : (X > 360 ? 480 : X - 40); }
inline int offsetY(int Y) { return Y < 0 ? 130 : (Y > 125 ? 0 : 60 - Y); }
inline double phaseAt(int b) { return b * K; }

}  // namespace freq
