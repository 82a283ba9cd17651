// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The oscillating link W(p) = k/(T²p² + 2γTp + 1) with 0 < γ < 1: drawn parameters, true
// answers and the pixel values of its time windows.
#include <cmath>
#include <numbers>

#include "framework/acceptance.h"
#include "lag_series.h"
#include "link_cases.h"
#include "framework/random.h"

namespace oscillating {

struct Link {
  double T = 0;
  double k = 0;
  double gamma = 0;

  double beta() const { return std::sqrt(1 - gamma * gamma); }
  double phi0() const { return std::atan(beta() / gamma); }
  double step(double t) const;      // step response h(t)
  double rampUnit(double t) const;  // response to g(t) = t with unit gain
};

// Form3_1: the step response, 100 pixels per unit, 380 pixels are 3·tp.
struct Step : Link {
  double tp = 0;

  static Step draw(rnd::Source& random = rnd::source());  // T = RR(30, 80)/100, k = RR(60, 130)/100, γ = RR(10, 30)/100
  static Step of(double T, double k, double gamma);
  double dt() const { return 3 * tp / 380; }
  // The overshoot value as the course defines it, with its own rounded e.
  double sigma() const { return std::pow(2.71828, std::numbers::pi * gamma / beta()); }
  int height(int n) const { return ceil_(100 * step(n * dt())); }
  int column(int x) const { return 240 - height(x - 29); }
  int finalRow() const { return 240 - ceil_(100 * k); }
  // 0.94..1.05 around tp, widened to the same band around the tp the drawn pixels show.
  Acceptance tpRule() const;
  // 0.9..1.1 around σ, widened to every σ worked out from the drawn curve: the first maximum
  // and the next minimum, each a row either way (the pen's centre or its edge), against the
  // final level, as k/(h_max − k) or (h_max − k)/(k − h_min).
  Acceptance sigmaRule() const;
};

// Form3_2: the unit-gain ramp response at the scale S, 76 pixels to the crossing time.
links::RampCase drawRamp(
    rnd::Source& random = rnd::source());  // T = RR(30, 60)/100, k = RR(140, 200)/100, γ = RR(5, 65)/100
links::RampCase ramp(double T, double k, double gamma);

// Form3_3: the steady-state response to sin(ωt).
links::SteadySine drawSine(rnd::Source& random = rnd::source());  // T = RR(200, 400)/1000, ω = RR(950, 1500)/100, k =
                                                                  // RR(140, 200)/100, γ = RR(2, 65)/100
links::SteadySine sine(double T, double w, double k, double gamma);

// Form3_4: T fixed at 1.10, five runs at ω = 10^(q + m·|q|), q = lg(1/T), m = −8, −4, 0, 4, 8.
class Frequency : public links::LagSeries {
 public:
  double gamma = 0;

  void generate(bool keep, rnd::Source& random)
      override;  // RR(110, 150) drawn and unused, k = RR(100, 140)/100, γ = RR(25, 65)/100
  std::vector<double> kept() const override { return {T, k, gamma}; }
  void keep(const std::vector<double>& v) override {
    LagSeries::keep(v);
    if (v.size() >= 3) gamma = v[2];
  }
  double omega(int run) const override;
  double D(double w) const;
  double re(double w) const override;
  double im(double w) const override;
  double amplitude(double w) const override { return k / std::sqrt(D(w)); }
  double level(double w) const override { return 20 * std::log10(amplitude(w)); }
  double phase(double w) const override;
  double Sx() const override;
  double SL() const override;
  double Sphi() const override { return 55 / std::numbers::pi; }
  double Su() const override { return 55; }
  double Sv() const override { return 55 * 2 * gamma / k; }
  Steps steps() const override { return {0.5, 10, 1, 0.5, 1}; }
};

}  // namespace oscillating
