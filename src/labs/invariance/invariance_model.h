// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the invariance windows compute: the drawn lags, the true answers and their bands,
// the loop's step responses (closed forms for the reference, explicit Euler for the
// disturbance), the three runs with the lead-lag compensator, and the pixel geometry of the
// plots. The windows read every number from here and only draw.
#include <functional>
#include <string>
#include <vector>

#include "framework/acceptance.h"
#include "framework/random.h"

namespace invariance {

// Reference g enters the input junction; disturbance f enters between the lags.
enum class Work { Reference, Disturbance };
// The four windows of a work: steady error, ideal compensator, static gain, lead-lag runs.
enum class Task { Error = 1, Compensator = 2, Gain = 3, Runs = 4 };

inline constexpr int kErrorLimit = 2;
inline constexpr int kHelpReference = 81;
inline constexpr int kHelpDisturbance = 82;

// T1 = RandomRange(10, 250) / 1000, m = RandomRange(50, 200) / 100, T2 = m·T1.
struct Params {
  double t1 = 0;
  double m = 0;
  double t2 = 0;
};
Params drawParams(rnd::Source& random = rnd::source());
Params makeParams(double t1, double m);

// The loop without correction: R/G = 1 / (T1T2p² + (T1+T2)p + 2).
double sigma(const Params& p);
// ω² of the loop's poles; negative where they are real (never inside the drawn ranges).
double omegaSquared(const Params& p);
// e^(−σt)·(cos ωt + c·sin ωt / ω), continued through ω = 0 and to real poles.
double decay(const Params& p, double c, double t);
// Step responses of the reference loop: without correction (settles at 0.5) and with the
// feed-forward gain 1 into the second lag (settles at 1).
double uncorrectedResponse(const Params& p, double t);
double gainResponse(const Params& p, double t);

// One explicit Euler step of the disturbance loop, each line using the value just computed.
// `compensated`: the gain 1 from f to the input junction (Form12_3).
struct DisturbanceState {
  double x1 = 0;  // first lag (negated in the uncompensated loop)
  double y = 0;   // output r
};
void disturbanceStep(DisturbanceState& s, const Params& p, bool compensated, double dt);

// One Euler step of a loop with the lead-lag compensator (Tn·p + 1)/(T3·p + 1): on the
// reference path into the second lag (Tn = T2) or on the disturbance path to the input
// junction (Tn = T1). The compensator's output is its lag state plus (Tn/T3) of what the lag
// has not yet followed, so the simulated loop is the one the window shows.
struct RunState {
  double x1 = 0;  // first lag
  double xk = 0;  // compensator lag
  double y = 0;   // output r
};
void runStep(RunState& s, Work work, const Params& p, double t3, double dt);

// Geometry and values of a response plot.
struct Plot {
  int y0 = 200;       // time axis row
  int scale = 170;    // pixels per unit
  double dt = 0;      // seconds per pixel column
  int columns = 380;  // curve columns after the step (windows 1 and 3) or run steps (window 4)
};
Plot plotOf(Work work, Task task, const Params& p);
// Row of a value on the plot: y0 − ceil(v·S).
int rowOf(const Plot& plot, double v);

// r after i columns, i = 0 .. columns: the closed form at t = i·dt for the reference, the
// Euler state after i steps for the disturbance.
std::vector<double> response(Work work, Task task, const Params& p);
// The three runs of window 4: T3 = 0.5·Tn, Tn, 2·Tn; y after k steps, k = 0 .. columns.
inline constexpr double kRunFactors[3] = {0.5, 1.0, 2.0};
double runLag(Work work, const Params& p, int run);
std::vector<double> run(Work work, const Params& p, int run);

// Value ticks of the frame: row of the tick and the value written beside it.
struct Tick {
  int offset;    // pixels above (positive) or below (negative) the time axis
  double value;  // offset / S
};
std::vector<Tick> valueTicks(Work work, Task task);

// The answer rules. The steady error is 0.5 exactly; k = 1 and a = 0 exactly; the lead's time
// constant b within ±2 % of Tn or of Tn as the label shows it (the label cuts it to 5
// characters, which for small Tn falls outside the band around Tn itself).
inline constexpr double kSteadyError = 0.5;
double leadConstant(Work work, const Params& p);
Acceptance leadBand(double truth, double shown);

}  // namespace invariance
