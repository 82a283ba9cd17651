#pragma once
// The oscillating link W(p) = k/(T²p² + 2γTp + 1) with 0 < γ < 1: drawn parameters, true
// answers and the pixel values of its time windows.
#include <cmath>

#include "framework/acceptance.h"
#include "link_cases.h"

namespace oscillating {

struct Link {
  double T = 0;
  double k = 0;
  double gamma = 0;

  double beta() const { return std::sqrt(1 - gamma * gamma); }
  double phi0() const { return std::atan(beta() / gamma); }
  double step(double t) const;  // step response h(t)
  double rampUnit(double t) const;  // response to g(t) = t with unit gain
};

// Form3_1: the step response, 100 pixels per unit, 380 pixels are 3·tp.
struct Step : Link {
  double tp = 0;

  static Step draw();  // T = RR(30, 80)/100, k = RR(60, 130)/100, γ = RR(10, 30)/100
  static Step of(double T, double k, double gamma);
  double dt() const { return 3 * tp / 380; }
  // The overshoot value as the course defines it, with its own rounded e.
  double sigma() const { return std::pow(2.71828, std::numbers::pi * gamma / beta()); }
  int height(int n) const { return ceil_(100 * step(n * dt())); }
  int column(int x) const { return 240 - height(x - 29); }
  int finalRow() const { return 240 - ceil_(100 * k); }
  // 0.94..1.05 around tp, widened to the same band around the tp the drawn pixels show.
  Acceptance tpRule() const;
};

// Form3_2: the unit-gain ramp response at the scale S, 76 pixels to the crossing time.
links::RampCase drawRamp();  // T = RR(30, 60)/100, k = RR(140, 200)/100, γ = RR(5, 65)/100
links::RampCase ramp(double T, double k, double gamma);

// Form3_3: the steady-state response to sin(ωt).
links::SteadySine drawSine();  // T = RR(200, 400)/1000, ω = RR(950, 1500)/100, k = RR(140, 200)/100, γ = RR(2, 65)/100
links::SteadySine sine(double T, double w, double k, double gamma);

}  // namespace oscillating
