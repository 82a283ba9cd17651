// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/diagrams/transform_model.h"

namespace diagrams {

TransformParams drawTransformParams(rnd::Source& random) {
  TransformParams p;
  p.k1 = random.range(1, 100) / 10.0;
  p.k2 = random.range(1, 100) / 10.0;
  p.T1 = random.range(1, 250) / 100.0;
  p.T2 = random.range(1, 250) / 100.0;
  p.T3 = random.range(1, 250) / 100.0;
  return p;
}

TransformAnswers transformAnswers(const TransformParams& p) {
  // W = W1W2W3 / ((1 + W3)(1 + W1W2) + W2), cleared of fractions.
  const double k = p.k1 * p.k2;
  const double a3 = p.T1 * p.T2 * p.T3;
  const double a2 = p.T1 * p.T2 + p.T3 * (p.T1 + p.T2) + p.k2 * p.T1 * p.T3;
  const double a1 = p.T1 + p.T2 + p.T3 * (1 + k) + p.k2 * p.T3;
  const double a0 = 1 + k;
  const double b0 = k;
  TransformAnswers a;
  a.form1 = {0, a3, 0, a2, 0, a1, b0, a0};
  a.form2 = {b0 / a0, 0, a3 / a0, 0, a2 / a0, 0, a1 / a0};
  return a;
}

std::complex<double> form1Value(const TransformAnswers& a, std::complex<double> p) {
  const auto& f = a.form1;
  const auto num = ((f[0] * p + f[2]) * p + f[4]) * p + f[6];
  const auto den = ((f[1] * p + f[3]) * p + f[5]) * p + f[7];
  return num / den;
}

std::complex<double> form2Value(const TransformAnswers& a, std::complex<double> p) {
  const auto& f = a.form2;
  const auto num = ((f[1] * p + f[3]) * p + f[5]) * p + 1.0;
  const auto den = ((f[2] * p + f[4]) * p + f[6]) * p + 1.0;
  return f[0] * num / den;
}

}  // namespace diagrams
