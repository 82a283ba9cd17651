// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers of the three correction works: the table of their windows, the drawn time
// constants, the correcting gains that give the closed loop a double real pole, the Euler
// run of the corrected loop's step response with its steady value and settling time, and the
// pixel mappings of the step-response plot. Free of Qt so that it is tested on its own; the
// windows read every number from here and only draw.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "framework/acceptance.h"
#include "framework/random.h"

namespace correction {

// Where the correcting gain k sits in the unity-feedback loop of two lags 1/(T1p+1), 1/(T2p+1).
enum class Scheme {
  Series,         // k ahead of both lags
  Parallel,       // k from the error straight to the junction between the lags
  LocalFeedback,  // k feeds the first lag's output back, positively, to the input junction
};

// One work: its scheme, the picture its windows share, its windows (its texts are the windows':
// correction_layout.h).
struct Work {
  Scheme scheme;
  std::string picture;  // "lab13_1", "lab14", "lab15"
  int helpContext;
  int windows;              // 2 or 3
  int t2Chars;              // LT2 shows T2 cut to this many characters in the gain window
  std::vector<int> gainOf;  // step window 2, 3 ...: which gain of the gain window it simulates

  int gainCount() const { return scheme == Scheme::Parallel ? 2 : 1; }
};

const std::array<Work, 3>& works();
const Work& work(Scheme s);

// T1 = RandomRange(10, 250) / 1000 s, m = RandomRange(65, 85) / 10, T2 = m·T1.
struct Params {
  double T1 = 0;
  double m = 0;
  double T2 = 0;
};
// T1 = RandomRange(10, 250) / 1000, then m = RandomRange(65, 85) / 10 and T2 = m·T1.
Params drawParams(rnd::Source& random = rnd::source());

// The gains asked in the gain window, in field order: the series gain; k1 and k2 of the
// parallel work (k1 the larger); the smaller root of the local-feedback work.
std::vector<double> gains(Scheme s, double T1, double T2);

// Coefficients a2 p² + a1 p + a0 of the corrected loop's characteristic polynomial.
struct Polynomial {
  double a2, a1, a0;
  double discriminant() const { return a1 * a1 - 4 * a2 * a0; }
};
Polynomial characteristic(Scheme s, double T1, double T2, double k);

// Seconds per Euler step and per plot column.
inline double stepDt(double T1, double T2) { return (T1 + T2) * 4 / 400; }

// State of the loop: x the first lag's output, y the loop's output.
struct State {
  double x = 0;
  double y = 0;
};
// One explicit Euler step with input g = 1, each line using the value computed just before it.
State eulerStep(Scheme s, double T1, double T2, double k, double dt, State st);

// Steps of the run from rest that gives the steady value and the settling time.
inline constexpr int kRunSteps = 1001;

// The step response y after 0, 1, ..., kRunSteps steps, and what the answers are made of.
struct Response {
  std::vector<double> y;  // y[j]: after j steps
  double dt = 0;
  double steady() const { return y.back(); }     // y∞
  double error() const { return 1 - steady(); }  // e_уст
  double settling = 0;                           // t_рег
};
Response simulate(Scheme s, double T1, double T2, double k);

// Settling time of a run y[0..n]: j·dt for the last step j >= 1 whose y[j] lies outside the
// 5 % band around y[n] (at or below 0.95·y∞, or above 1.05·y∞), 0 if none. y[j] is drawn at
// column j, so j·dt is the time where the drawn curve stays within the band.
double settlingTime(const std::vector<double>& y, double dt);

// --- The step-response plot (379 x 239): time axis at row 180, 130 pixels per unit of h,
// one column per step from x = 30.
inline constexpr int kAxisRow = 180;
inline constexpr int kScale = 130;
inline constexpr int kOriginX = 30;
inline constexpr int kEndPass = 350;  // the trace's end pass; the input is applied at pass 20
inline constexpr int kInputPass = 20;
// Row of an output value (rounded up, as the curve is drawn).
int row(double y);

// The measuring lines: track-bar positions 0..170, the line of position P at row P + 10.
inline constexpr int kLineMax = 170;
// The row of the line typed as the level v (its bar at ⌈170 − 130v⌉, kept in its range).
int lineRow(double v);

// The last column the trace draws (x = 360).
inline constexpr int kLastColumn = kEndPass - kInputPass;
// The settling time the drawn curve shows: with the lines typed as 0.95·y∞ and 1.05·y∞, the
// time of the last drawn column at which the curve lies outside them. A line stands up to a
// pixel below its level and the curve is drawn rounded up, so on a slow tail this reads more
// than a tenth short of t_рег.
double drawnSettling(const Response& r);
// t_рег within ±10 %, widened to the same band around the drawn settling time.
Acceptance settlingRule(const Response& r);
// The steady value as the pointer reads it on the settled curve: the level of the curve's
// pixel, cut to the readout's four characters (two decimals).
double readSteady(const Response& r);
// e_уст within ±5 %, widened to the same band around 1 − readSteady(): the parallel work's
// first gain leaves an error of some 0.07, whose band is narrower than a pixel.
Acceptance errorRule(const Response& r);

}  // namespace correction
