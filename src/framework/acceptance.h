// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Acceptance rule of one answer field: a closed band [lo, hi]; exact equality is the band
// [a, a]. Bounds are computed once in double precision, so a value equal to a bound passes.
#include <algorithm>

struct Acceptance {
  double lo = 0;
  double hi = 0;

  bool accepts(double v) const { return lo <= v && v <= hi; }

  // kLow·a to kHigh·a, smaller bound first whatever the sign of a.
  static Acceptance band(double a, double kLow = 0.95, double kHigh = 1.05) {
    const double p = kLow * a, q = kHigh * a;
    return {std::min(p, q), std::max(p, q)};
  }
  static Acceptance exact(double a) { return {a, a}; }
  static Acceptance literal(double lo, double hi) { return {lo, hi}; }
  // The band from the lower of both ends to the higher: a rule around the true value widened
  // by the same rule around what the drawn plot shows (the two overlap).
  static Acceptance hull(const Acceptance& a, const Acceptance& b) {
    return {std::min(a.lo, b.lo), std::max(a.hi, b.hi)};
  }
};

// The phase of -pi/2 read off a plot: the fixed band the integrating-link windows use.
inline Acceptance minusHalfPiBand() { return Acceptance::literal(-1.6493358, -1.4922562); }
