// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first-order links of the non-minimum-phase work: k/(Tp − 1) and, for comparison,
// k/(Tp + 1) with the same k and T. Both have the amplitude characteristic k/√((ωT)² + 1);
// their phases start half a turn apart and meet at −π/2. Parameters, the four limits the
// student gives and every pixel of the two plots, free of widgets.
#include <array>
#include <cmath>
#include <numbers>

#include "framework/acceptance.h"
#include "framework/pixels.h"
#include "framework/random.h"

namespace nontypical {

enum class Pole { Right, Left };  // k/(Tp − 1), k/(Tp + 1)

// Column i of both plots stands for ω = i/25 rad/s; the curves run over i = 0 to 250.
inline constexpr int kLastColumn = 250;
inline constexpr double kColumnsPerRad = 25;
// The −π/2 guide stands where the phase curve is at ω = 400 rad/s.
inline constexpr int kGuideColumn = 10000;

struct Lag {
  double T = 0;
  double k = 0;
  static Lag draw(rnd::Source& random = rnd::source());  // re-seeds, then T = RandomRange(300, 700) / 1000, then k =
                                                         // RandomRange(100, 900) / 1000
};

inline double omega(int column) { return column / kColumnsPerRad; }

inline double phase(Pole p, double w, double T) {
  return p == Pole::Right ? std::atan(w * T) - std::numbers::pi : -std::atan(w * T);
}

// Amplitude plot: the axis at y = 140, 110 pixels stand for k.
inline int amplitudeY(double T, int column) {
  const double wT = omega(column) * T;
  return 140 - ceil_(110 / std::sqrt(wT * wT + 1));
}

// Phase plot: the axis at y = 60, 85 pixels per π radians.
inline int phaseY(Pole p, double T, int column) {
  return 60 - ceil_(85 * phase(p, omega(column), T) / std::numbers::pi);
}

inline int guideY(Pole p, double T) { return phaseY(p, T, kGuideColumn); }

// The fixed bands of the phase limits: −1.05π to −0.95π, and −1.05π/2 to −0.95π/2.
inline Acceptance minusPiBand() { return Acceptance::literal(-3.2986722862692828, -2.9845130209103035); }
inline Acceptance minusHalfPiLimitBand() { return Acceptance::literal(-1.6493361431346414, -1.4922565104551517); }

// One answer: its rule and the value the box shows once it is accepted.
struct Limit {
  Acceptance rule;
  double value = 0;
};

// lim A(ω) at ω → 0 and ω → ∞, then lim φ(ω) at ω → 0 and ω → ∞. The zero limits are
// exact: any text that parses to 0 is right, and nothing else.
inline std::array<Limit, 4> limits(Pole p, const Lag& lag) {
  constexpr double pi = std::numbers::pi;
  const Limit zero{Acceptance::exact(0), 0};
  return {Limit{Acceptance::band(lag.k), lag.k}, zero, p == Pole::Right ? Limit{minusPiBand(), -pi} : zero,
          Limit{minusHalfPiLimitBand(), -pi / 2}};
}

// The two windows of the work, configured by these rows.
struct LagWindow {
  Pole pole;
  const char* picture1;  // the link as one block
  const char* picture2;  // the same link as an integrator in a loop
  int shownChars;        // accepted answers are cut to this many characters; 0: shown whole
  // The second window: it takes T and k from the first one, shows the first link's
  // characteristics beside its own and ends the work (its declaration: it starts the work over
  // at its limit).
  bool followsFirst;
};

inline const std::array<LagWindow, 2>& lagWindows() {
  static const std::array<LagWindow, 2> rows{{
      {Pole::Right, "nemin11", "nemin12", 7, false},
      {Pole::Left, "nemin21", "nemin22", 0, true},
  }};
  return rows;
}

}  // namespace nontypical
