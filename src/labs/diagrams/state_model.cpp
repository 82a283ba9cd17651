// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/diagrams/state_model.h"

#include <cmath>

namespace diagrams {

StateParams drawStateParams(rnd::Source& random) {
  StateParams p;
  p.k1 = random.range(1, 100) / 10.0;
  p.T1 = random.range(1, 15) / 100.0;
  p.T3 = random.range(1, 15) / 100.0;
  p.gamma = 5 * random.range(1, 17) / 100.0;
  return p;
}

double k3From(double k2, double T2, double T3, double gamma) { return T3 / (4 * gamma * gamma * k2 * T2); }

StateAnswers stateAnswers(const StateParams& p) {
  StateAnswers a;
  a.k2 = 1 / p.k1;
  a.T2 = p.T1 / p.k1;
  a.k3 = k3From(a.k2, a.T2, p.T3, p.gamma);
  a.k = 1 / a.k3;
  a.T = std::sqrt(a.T2 * p.T3 / (a.k2 * a.k3));
  return a;
}

}  // namespace diagrams
