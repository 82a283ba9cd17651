// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state-variable work: an integrator closed by k1 is an aperiodic link (k2, T2); that link
// in series with an integrator and closed by k3 is an oscillating link (k, T, γ). No widgets.
#include <functional>
#include "framework/random.h"

namespace diagrams {

struct StateParams {
  double k1 = 0, T1 = 0, T3 = 0, gamma = 0;
};

struct StateAnswers {
  double k2 = 0, T2 = 0, k3 = 0;
  double k = 0, T = 0;  // the oscillating link of the summary
};

// k1 = RandomRange(1, 100)/10, T1 = RandomRange(1, 15)/100, T3 likewise, γ = 5·RandomRange(1, 17)/100.
StateParams drawStateParams(rnd::Source& random = rnd::source());
StateAnswers stateAnswers(const StateParams& p);

// The k3 that follows from k2 and T2 as given to the student, with T3 and γ.
double k3From(double k2, double T2, double T3, double gamma);

// Characters kept of the computed values given to the student (k2, T2 in the last task) and
// of those in the summary. Five would leave T2 = T1/k1 < 0.01 with one significant digit, and
// a k3 worked out from it up to twice the true one; seven keep every draw within the band of
// k3, and keep the summary's small k and T from showing 0.003 for 0.0038.
inline constexpr int GivenLength = 7;
inline constexpr int SummaryLength = 7;
// Characters kept of an accepted answer.
inline constexpr int AnswerLength = 6;

// The choice of task 1: the link types in the order of RB1..RB8; the right one is aperiodic.
inline constexpr int LinkTypeCount = 8;
inline constexpr int AperiodicChoice = 1;  // 0-based

}  // namespace diagrams
