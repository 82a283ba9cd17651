// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers of the three stability works, free of Qt: the drawn parameters, the closed-loop
// coefficients and critical values, the open-loop logarithmic characteristics with the
// crossover search, the characteristic cubic of a window and its poles, the matching of poles
// typed in any order, and the Euler update rules of the step responses.
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "framework/acceptance.h"
#include "framework/random.h"

namespace stability {

// The loop of a work: 1 three lags; 2 an integrator and two lags; 3 two integrators and a lag,
// with the forcing term (T4p + 1) on the first integrator from the work's second window on.
enum class Loop { Lags, Integrator, DoubleIntegrator, Forcing };

struct Params {
  double t1 = 0, t2 = 0, t3 = 0;  // seconds
  double k1 = 0;
};

// T1, T2, T3 (RandomRange(100, 500) / 1000) then k1 (RandomRange(50, 150) / 100), in this order.
Params drawParams(rnd::Source& random = rnd::source());

// W(p) = k (b p + 1) / (a3 p³ + a2 p² + a1 p + 1) of the loop closed at the drawn k1; b only
// for the forcing loop, whose T4 is given.
struct Coefficients {
  double k = 0, a3 = 0, a2 = 0, a1 = 0, b = 0;
};
Coefficients coefficients(Loop loop, const Params& p, double t4 = 0);

// The gain on the stability boundary (works 1 and 2), and the time constant T4 on it (work 3).
double criticalGain(Loop loop, const Params& p);
inline double criticalT4(const Params& p) { return p.t3; }

// a3 p³ + a2 p² + a1 p + a0 of the closed loop at the window's gain K (works 1, 2) or time
// constant T4 (work 3), normalised to a0 = 1.
struct Cubic {
  double a3 = 0, a2 = 0, a1 = 0, a0 = 1;
};
Cubic characteristic(Loop loop, const Params& p, double gainOrT4);

// Open-loop characteristics at gain K (works 1, 2) or with T4 (work 3, gain k1).
struct OpenLoop {
  Loop loop = Loop::Lags;
  Params p;
  double value = 0;            // K or T4
  double L(double w) const;    // dB
  double phi(double w) const;  // rad
};

// ω_ср: from 0.001 rad/s, ω grows by ω/1000 while L(ω) > 0; `steps` counts the growths.
struct Crossover {
  double w = 0;
  int steps = 0;
};
Crossover crossover(const OpenLoop& f);

// The gain margin Δφ of the forcing loop, −π − φ(ω_ср), and its acceptance: a negative entry
// within ±10 % of it or within 0.1 rad (the phase plot reads in steps of 0.1 rad).
Acceptance phaseMarginBand(double dphi);
// The margin −π − φ as the phase plot shows it i columns right of its axis (100 columns a
// decade of ω, the curve drawn ⌈10φ⌉ pixels from its axis, read in steps of 0.1 rad).
double marginOnPlot(const OpenLoop& f, int i);
// The columns of the amplitude plot (i right of its axis, 100 a decade of ω) where the curve,
// drawn ⌈L·sL⌉ pixels above the axis with a pen two pixels wide, covers the 0 dB row, one
// column either side. Near the crossover a flat curve lies on the axis over several columns;
// a steep one crosses it between two.
struct Columns {
  int first = 0, last = 0;
};
Columns crossoverColumns(const OpenLoop& f, const Crossover& c, double sL);
// ω_ср: ±5 % around it, widened to every ω those columns read (as typed to five digits).
Acceptance crossoverBand(const OpenLoop& f, const Crossover& c, double sL);
// phaseMarginBand(−π − φ(ω_ср)), widened to hold the margins read at every column of
// crossoverColumns as typed to four decimals: the drawn curve already takes the band's 0.1 rad,
// and the columns add the phase's change across them, so Δφ read at any ω_ср the plot shows is
// accepted together with that ω.
Acceptance readMarginBand(const OpenLoop& f, const Crossover& c, double sL);

// ±5 % around v, ends ordered by sign; a zero takes only zero.
inline Acceptance band(double v) { return Acceptance::band(v); }

// The three poles: a real one (alpha[0], beta[0] = 0) and, for a negative discriminant, the
// pair alpha[1] ± j beta[1] (alpha[2] = alpha[1], beta[2] = −beta[1]); three real poles
// otherwise. A real part that is zero to rounding against the poles' size is exactly 0.
struct Poles {
  std::array<double, 3> alpha{};
  std::array<double, 3> beta{};
};
Poles poles(const Cubic& c);
// The pair of a loop on the boundary has no real part at all.
Poles polesOnBoundary(const Cubic& c);

// Poles typed in any order, each as α then β. An α entry keeps every open pole whose α band
// holds it; the β entry that follows picks the first of those whose β band holds it and closes
// that pole.
class PoleMatcher {
 public:
  explicit PoleMatcher(const Poles& poles = {}) : poles_(poles) {}
  void reset(const Poles& poles);
  // The α shown for an accepted entry (the first candidate's), none when refused.
  std::optional<double> enterAlpha(double v);
  // The index of the pole taken, none when refused (the α candidates stay open).
  std::optional<int> enterBeta(double v);
  bool closed(int pole) const { return closed_[pole]; }
  // The pole an accepted α entry offers its β first, none while no α waits for its β.
  std::optional<int> pending() const { return pending_.empty() ? std::nullopt : std::optional<int>(pending_.front()); }

 private:
  Poles poles_;
  std::array<bool, 3> closed_{};
  std::vector<int> pending_;
};

// The state of a step response: the lags' outputs, the output y, the error of the previous
// step (forcing loop), time.
struct State {
  double x1 = 0, x2 = 0, y = 0, ePrev = 0, t = 0;
};
inline constexpr double kDt = 0.001;

// How a window integrates its loop: three lags; an integrator and two lags; the forcing loop
// at T4 = T3, where the forcing term cancels the lag and two integrators remain; the forcing
// loop with its own T4 (the forcing term differentiates the error of the step before).
enum class Rule { Lags, Integrator, Cancelled, Forcing };

// One explicit Euler step under the unit step g, each line using the value just computed.
// `value` is K (works 1, 2) or T4 (work 3).
void eulerStep(Rule rule, const Params& p, double value, State& s, double g = 1.0);

// The largest |y| of the response while t < end (the scale of the unstable windows).
double peakOfRun(Rule rule, const Params& p, double value, double end);

}  // namespace stability
