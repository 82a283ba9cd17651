// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The aperiodic link W(p) = k/(Tp + 1): drawn parameters, true answers and the pixel values
// of its three time windows. Curves are drawn with the ceiling, so every height here goes
// through ceil_ where the plot rounds it.
#include <cmath>

#include "framework/acceptance.h"
#include "framework/pixels.h"
#include "lag_series.h"
#include "link_cases.h"
#include "framework/random.h"

namespace aperiodic {

// Form2_1: the step response. 100 pixels per unit of h from y = 240; 380 pixels are 8·T.
struct Step {
  double T = 0;
  double k = 0;

  static Step draw(
      rnd::Source& random = rnd::source());  // T = RandomRange(10, 100) / 100, then k = RandomRange(120, 200) / 100
  double dt() const { return 8 * T / 380; }
  double tp() const { return -std::log(0.05) * T; }
  double response(double t) const { return k * (1 - std::exp(-t / T)); }
  // Output height at time index n, as drawn.
  int height(int n) const { return ceil_(100 * response(n * dt())); }
  // The drawn curve at column x (the segment of pass j ends at x = j + 10 with n + 1 = j − 19).
  int column(int x) const { return 240 - height(x - 29); }
  int finalRow() const { return 240 - ceil_(100 * k); }

  // The settling time the drawn pixels show: with the two level lines set at 0.95k and
  // 1.05k, the last column at which the drawn curve lies outside them.
  double drawnTp() const;
  // The 0.94..1.05 band around tp, widened to the same band around drawnTp(): a line set at
  // 0.95k stands up to a pixel below that level, and the curve is drawn rounded up.
  Acceptance tpRule() const;

  // Tangent at the point b pixels right of the axis: its height at t = 0 and the column at
  // which it meets the final value (exactly T after its point).
  double tangentStart(int b) const;
  int tangentEndX(int b) const { return ceil_((b * dt() + T) / dt()) + 30; }
};

// Form2_2: the ramp response in units of k·T (200 pixels per T) against the ramp t; the
// crossing is labelled with the first t = a/200 at which the true response overtakes t.
links::RampCase drawRamp(
    rnd::Source& random = rnd::source());  // T = RandomRange(40, 85) / 100, then k = RandomRange(120, 200) / 100
links::RampCase ramp(double T, double k);

// Form2_3: the steady-state response to sin(ωt).
links::SteadySine drawSine(
    rnd::Source& random = rnd::source());  // T = RR(200, 400)/1000, ω = RR(950, 1500)/100, k = RR(140, 200)/100
links::SteadySine sine(double T, double w, double k);

// Form2_4: five runs at ω = 10^(lg(1/T) + m·|lg T|), m = −6, −3, 0, 3, 6, one T and k.
class Frequency : public links::LagSeries {
 public:
  void generate(bool keep, rnd::Source& random) override;  // T = RR(110, 150)/100, k = RR(140, 200)/100
  double omega(int run) const override;
  double re(double w) const override { return k / (1 + (w * T) * (w * T)); }
  double im(double w) const override { return -k * w * T / (1 + (w * T) * (w * T)); }
  double amplitude(double w) const override { return k / std::sqrt(1 + (w * T) * (w * T)); }
  double level(double w) const override;
  double phase(double w) const override { return std::atan2(-w * T, 1.0); }
  double Sx() const override;
  double SL() const override;
  double Sphi() const override;
  double Su() const override { return 60; }
  double Sv() const override { return 60; }
  Steps steps() const override;
  bool hodographCeil() const override { return true; }
};

}  // namespace aperiodic
