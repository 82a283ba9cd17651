// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The integrating link in the frequency-characteristics window (Form1_4).
#include <numbers>

#include "frequency_link.h"
#include "integrating_model.h"

class IntegratingFrequency : public FrequencyLink {
 public:
  const integrating::Frequency& data() const { return data_; }

  Setup setup() const override;
  void generate(bool keep, rnd::Source& random) override;
  double omega(int run) const override { return data_.omega(run); }
  std::vector<double> kept() const override { return {data_.T}; }
  void keep(const std::vector<double>& v) override {
    if (!v.empty()) data_.T = v[0];
  }

  double amplitude(double w) const override { return data_.amplitude(w); }
  double level(double w) const override { return data_.level(w); }
  double phase(double) const override { return -std::numbers::pi / 2; }
  Acceptance amplitudeRule(double w) const override { return data_.amplitudeRule(w); }
  QString amplitudeShown(double w) const override;
  Acceptance phaseRule(double) const override { return integrating::Frequency::phaseRule(); }
  QString phaseShown(double) const override;

  int inputDash(double w) const override { return data_.inputDash(w); }
  int outputDash(double w) const override { return data_.outputDash(w); }
  int input(double w, int k) const override { return data_.input(w, k); }
  int output(double w, int k) const override { return data_.output(w, k); }
  double readoutAmplitude(int d, double w) const override { return data_.amplitudeAt(d, w); }

  int lgTick(int m) const override { return data_.lgTick(m); }
  int dbTick(int m) const override { return data_.dbTick(m); }
  int phaseTick(int m) const override { return integrating::Frequency::phaseTick(m); }
  int hodographTick(int u) const override { return data_.hodographTick(u); }
  void hodographExtras(Canvas& c) const override;

  freq::Box marker(freq::Plot plot, double w) const override;
  std::vector<freq::Curve> exactCurves(freq::Plot plot) const override;

  QString summaryPhase(double) const override;
  int summaryPhaseX() const override { return 245; }

 private:
  integrating::Frequency data_;
};
