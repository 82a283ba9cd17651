#pragma once
// Pixel helpers of the plot recipes: keep truncation and ceiling visible where they are used.
//
// A pixel value that is a whole number in exact arithmetic stays that number: 110 · 0.1 is
// 11.000000000000002 in doubles, and a plain ceiling would put the mark a pixel off. The
// ceiling therefore takes a value within a few ulps of a whole number as that number.
#include <algorithm>
#include <cmath>
#include <limits>

inline int trunc_(double v) { return static_cast<int>(v); }

inline int ceil_(double v) {
  const double whole = std::round(v);
  const double ulps = 4 * std::numeric_limits<double>::epsilon() * std::max(1.0, std::fabs(v));
  if (std::fabs(v - whole) <= ulps) return static_cast<int>(whole);
  return static_cast<int>(std::ceil(v));
}
