// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pixel helpers of the plot recipes: keep truncation and ceiling visible where they are used.
//
// A pixel value that is a whole number in exact arithmetic stays that number: 110 · 0.1 is
// 11.000000000000002 in doubles, and a plain ceiling would put the mark a pixel off. The
// ceiling and the truncation therefore take a value within a few ulps of a whole number as
// that number.
#include <algorithm>
#include <cmath>
#include <limits>

// The whole number v stands for when it is one up to rounding, else v itself.
inline double snapWhole(double v) {
  const double whole = std::round(v);
  const double ulps = 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(v));
  return std::fabs(v - whole) <= ulps ? whole : v;
}

// 21.999999999999996 truncates to 22 and 22.000000000000004 rounds up to 22.
inline int trunc_(double v) { return static_cast<int>(snapWhole(v)); }
inline int ceil_(double v) { return static_cast<int>(std::ceil(snapWhole(v))); }
