// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The structural-transformation work: three links W1 = k1/(T1p+1), W2 = k2/(T2p+1), W3 = 1/(T3p)
// with three negative feedbacks, and the closed system's transfer function in two forms. No widgets.
#include <array>
#include <complex>
#include <functional>
#include "framework/random.h"

namespace diagrams {

struct TransformParams {
  double k1 = 0, k2 = 0, T1 = 0, T2 = 0, T3 = 0;
};

// The true answers in the order of the answer rows.
struct TransformAnswers {
  // Form 1, b3p³+b2p²+b1p+b0 over a3p³+a2p²+a1p+a0: b3, a3, b2, a2, b1, a1, b0, a0.
  std::array<double, 8> form1{};
  // Form 2, K·(B3p³+B2p²+B1p+1) over (A3p³+A2p²+A1p+1): K, B3, A3, B2, A2, B1, A1.
  std::array<double, 7> form2{};
};

// k1, k2 = RandomRange(1, 100)/10; T1, T2, T3 = RandomRange(1, 250)/100, in this order.
TransformParams drawTransformParams(rnd::Source& random = rnd::source());
TransformAnswers transformAnswers(const TransformParams& p);

// W(p) from the coefficients of form 1 (for checking them against the diagram).
std::complex<double> form1Value(const TransformAnswers& a, std::complex<double> p);
std::complex<double> form2Value(const TransformAnswers& a, std::complex<double> p);

inline constexpr int Form1Fields = 8;
inline constexpr int Form2Fields = 7;
inline constexpr int AnswerMaxLength = 8;

}  // namespace diagrams
