// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A link with a gain in the frequency-characteristics window (Form2_4, Form3_4): the window's
// questions and plots answered from the link's LagSeries.
#include <memory>

#include "frequency_link.h"
#include "lag_series.h"

class LagFrequency : public FrequencyLink {
 public:
  LagFrequency(Setup setup, std::unique_ptr<links::LagSeries> series)
      : setup_(std::move(setup)), s_(std::move(series)) {}
  const links::LagSeries& series() const { return *s_; }

  Setup setup() const override { return setup_; }
  void generate(bool keep, rnd::Source& random) override { s_->generate(keep, random); }
  std::vector<double> kept() const override { return s_->kept(); }
  void keep(const std::vector<double>& values) override { s_->keep(values); }
  double omega(int run) const override { return s_->omega(run); }

  double amplitude(double w) const override { return s_->amplitude(w); }
  double level(double w) const override { return s_->level(w); }
  double phase(double w) const override { return s_->phase(w); }
  Acceptance amplitudeRule(double w) const override { return s_->amplitudeRule(w); }
  QString amplitudeShown(double w) const override;
  Acceptance phaseRule(double w) const override { return s_->phaseRule(w); }
  QString phaseShown(double w) const override;

  int inputDash(double w) const override { return s_->inputDash(w); }
  int outputDash(double w) const override { return s_->outputDash(w); }
  int input(double w, int k) const override { return s_->input(w, k); }
  int output(double w, int k) const override { return s_->output(w, k); }
  double readoutAmplitude(int d, double w) const override { return s_->readoutAmplitude(d, w); }

  int lgTick(int m) const override { return s_->tick(s_->steps().lg, s_->Sx(), m); }
  int dbTick(int m) const override { return s_->tick(s_->steps().db, s_->SL(), m); }
  int phaseTick(int m) const override { return s_->tick(s_->steps().phase, s_->Sphi(), m); }
  int hodographTick(int u) const override { return s_->tick(s_->steps().v, s_->Sv(), u); }
  int hodographReTick(int m) const override { return s_->tick(s_->steps().u, s_->Su(), m); }
  TickLabels tickLabels() const override;

  freq::Box marker(freq::Plot plot, double w) const override { return s_->marker(plot, w); }
  std::vector<freq::Curve> exactCurves(freq::Plot plot) const override { return s_->exactCurves(plot); }

  QString summaryPhase(double w) const override;
  int summaryPhaseX() const override { return 250; }

 private:
  Setup setup_;
  std::unique_ptr<links::LagSeries> s_;
};
