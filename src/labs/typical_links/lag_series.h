// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frequency-characteristics series of a link with a gain k (the aperiodic and the
// oscillating link): five frequencies around 1/T, the characteristics A, L, φ, U + jV at
// each, and every pixel the window draws of them. A link supplies its parameters, its
// frequencies, W(jω) and its scales; the rest is shared.
#include <vector>

#include "framework/acceptance.h"
#include "framework/random.h"
#include "framework/pixels.h"
#include "frequency_plot.h"

namespace links {

class LagSeries {
 public:
  virtual ~LagSeries() = default;

  double T = 0;
  double k = 0;

  // Draws the parameters of a run; kept only in the first run of a series (or when none are).
  virtual void generate(bool keep, rnd::Source& random) = 0;
  // What the series keeps between its runs, and the way to set it again.
  virtual std::vector<double> kept() const { return {T, k}; }
  virtual void keep(const std::vector<double>& v) {
    if (v.size() < 2) return;
    T = v[0];
    k = v[1];
  }
  virtual double omega(int run) const = 0;  // runs 1 to 5
  virtual double re(double w) const = 0;    // U(ω)
  virtual double im(double w) const = 0;    // V(ω)
  virtual double amplitude(double w) const = 0;
  virtual double level(double w) const = 0;  // 20·lg A
  virtual double phase(double w) const = 0;  // φ(ω), negative

  // Pixels per decade of ω, per dB, per radian, and per unit of U and of V.
  virtual double Sx() const = 0;
  virtual double SL() const = 0;
  virtual double Sphi() const = 0;
  virtual double Su() const = 0;
  virtual double Sv() const = 0;
  // Label steps of the ticks: decades, dB, radians, units of U and of V.
  struct Steps {
    double lg, db, phase, u, v;
  };
  virtual Steps steps() const = 0;
  // Hodograph markers have their box edges rounded up (otherwise truncated).
  virtual bool hodographCeil() const { return false; }

  // The sine plot: the larger amplitude spans 55 pixels; the output leads by φ (k = step).
  double inputScale(double w) const;  // Ag
  int input(double w, int n) const;
  int output(double w, int n) const;
  int inputDash(double w) const;
  int outputDash(double w) const;
  double readoutAmplitude(int d, double w) const;

  Acceptance amplitudeRule(double w) const { return Acceptance::band(amplitude(w)); }
  Acceptance phaseRule(double w) const { return Acceptance::band(phase(w)); }

  int tick(double step, double scale, int m) const { return static_cast<int>(step * m * scale); }
  freq::Box marker(freq::Plot plot, double w) const;
  std::vector<freq::Curve> exactCurves(freq::Plot plot) const;
};

}  // namespace links
