// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "integrating_model.h"

#include <algorithm>

#include "framework/random.h"

namespace integrating {

Step Step::draw(rnd::Source& random) { return {random.range(10, 100) / 100.0}; }

Ramp Ramp::draw(rnd::Source& random) { return {random.range(30, 90) / 100.0}; }

Sine Sine::draw(rnd::Source& random) {
  Sine s;
  s.T = random.range(20, 60) / 100.0;
  s.w = random.range(500, 1800) / 100.0;
  return s;
}

double Frequency::drawT(rnd::Source& random) { return random.range(110, 150) / 100.0; }

double Frequency::omega(int run) const {
  // Symmetric in lg ω around 1/T and spread by multiples of |lg T|, so that the five points
  // fit the plots whatever T is drawn.
  switch (run) {
    case 1:
      return std::pow(10.0, L0() - 3 * D());
    case 2:
      return std::pow(10.0, L0() - 1.5 * D());
    case 3:
      return 1 / T;
    case 4:
      return std::pow(10.0, L0() + 1.5 * D());
    default:
      return std::pow(10.0, L0() + 3 * D());
  }
}

double Frequency::Sx() const { return 90 / std::max(std::fabs(std::log10(omega(1))), std::fabs(std::log10(omega(5)))); }

double Frequency::SL() const { return 60 / std::fabs(20 * std::log10(1 / (omega(1) * T))) / 2; }

// Box edges are trunc(value ± 5) plus the axis offset, as the markers were always placed.
freq::Box Frequency::hodographMarker(double w) const {
  const double y = S() / (w * T) + 60;
  return {145, trunc(y - 5), 155, trunc(y + 5)};
}

freq::Box Frequency::phaseMarker(double w) const {
  const double x = std::log10(w) * Sx();
  return {trunc(x - 5) + 150, 85, trunc(x + 5) + 150, 95};
}

freq::Box Frequency::lafcMarker(double w) const {
  const double x = std::log10(w) * Sx();
  const double y = level(w) * SL();
  return {trunc(x - 5) + 150, 60 - trunc(y + 5), trunc(x + 5) + 150, 60 - trunc(y - 5)};
}

freq::Curve Frequency::lafcLine() const {
  const double a = omegaA(), b = omegaB();
  return {{{trunc(std::log10(a) * Sx()) + 150, 60 - trunc(level(a) * SL())},
           {trunc(std::log10(b) * Sx()) + 150, 60 - trunc(level(b) * SL())}},
          3};
}

}  // namespace integrating
