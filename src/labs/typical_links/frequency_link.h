// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a typical link brings to the frequency-characteristics window: its parameters for a
// series of runs, the five frequencies, the answers at each of them, and where its points,
// ticks and exact characteristics go on the plots. The window (FrequencyForm) owns the runs,
// the layout, the trace and the answer flow; a link only computes.
#include <QString>
#include <algorithm>
#include <vector>

#include "framework/acceptance.h"
#include "framework/random.h"
#include "frequency_plot.h"

class Canvas;

class FrequencyLink {
 public:
  struct Setup {
    QString title;            // title panel
    QString captionPrefix;    // the run number follows it
    int amplitudeLength = 6;  // maximum lengths of Edit1 (A) and Edit2 (Δφ)
    int phaseLength = 5;
    // After the fifth run's answers the readout goes away with the sine plot.
    bool hideReadoutAfterLastRun = true;
    // Data generation ends with the marker routine (otherwise activation and the timer run it).
    bool markersOnCreate = false;
  };

  virtual ~FrequencyLink() = default;
  virtual Setup setup() const = 0;

  // Draws the parameters of a run; they are kept only when `keep` (the first run of a
  // series) or when none are kept yet, so that every run of a series shares them.
  virtual void generate(bool keep, rnd::Source& random) = 0;
  // The parameters a series keeps from its first run; set again for a replay of a later run.
  virtual std::vector<double> kept() const = 0;
  virtual void keep(const std::vector<double>& values) = 0;
  // ω of runs 1 to 5.
  virtual double omega(int run) const = 0;

  virtual double amplitude(double w) const = 0;  // A = |W(jω)|
  virtual double level(double w) const = 0;      // L = 20·lg A
  virtual double phase(double w) const = 0;      // Δφ
  virtual Acceptance amplitudeRule(double w) const = 0;
  virtual QString amplitudeShown(double w) const = 0;
  virtual Acceptance phaseRule(double w) const = 0;
  virtual QString phaseShown(double w) const = 0;

  // The sine plot at ω, in pixels from its time axis: the amplitude dashes, the curves at
  // step k, and the amplitude the readout shows for a vertical offset d.
  virtual int inputDash(double w) const = 0;
  virtual int outputDash(double w) const = 0;
  virtual int input(double w, int k) const = 0;
  virtual int output(double w, int k) const = 0;
  virtual double readoutAmplitude(int d, double w) const = 0;

  // Offsets of the m-th tick from the axes: lg ω in quarters of a decade, L in steps of
  // 5 dB, φ in steps of π/2, the hodograph in units of W.
  virtual int lgTick(int m) const = 0;
  virtual int dbTick(int m) const = 0;
  virtual int phaseTick(int m) const = 0;
  virtual int hodographTick(int u) const = 0;
  // What the m-th tick of each axis is labelled with, in units of m.
  struct TickLabels {
    double lg = 0.25, db = 5, phase = 1.5707963267948966, re = 0.5, im = 1;
  };
  virtual TickLabels tickLabels() const { return {}; }
  // Offset of the m-th tick of the hodograph's real axis; none by default.
  virtual int hodographReTick(int /*m*/) const { return 1 << 20; }
  // Anything the marker routine adds to the hodograph before the markers.
  virtual void hodographExtras(Canvas&) const {}

  // The marker of an answered run and the exact characteristics of the closing run.
  virtual freq::Box marker(freq::Plot plot, double w) const = 0;
  virtual std::vector<freq::Curve> exactCurves(freq::Plot plot) const = 0;

  // The rules the window applies: a value read off the sine plot is good to a pixel, so
  // where a band is narrower than a pixel (small outputs, small phase shifts) the pixel is
  // the tolerance.
  Acceptance readAmplitudeRule(double w) const {
    return widened(amplitudeRule(w), amplitude(w), readoutAmplitude(1, w));
  }
  Acceptance readPhaseRule(double w) const { return widened(phaseRule(w), phase(w), freq::K); }
  static Acceptance widened(Acceptance r, double truth, double pixel) {
    return Acceptance::literal(std::min(r.lo, truth - pixel), std::max(r.hi, truth + pixel));
  }

  // The last column of the summary table: its text for ω and its left edge.
  virtual QString summaryPhase(double w) const = 0;
  virtual int summaryPhaseX() const = 0;
};
