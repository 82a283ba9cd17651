// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first window of each correction work: the loop with drawn T1, T2, and the correcting
// gain (the parallel work: both gains, in either order) that gives the closed loop a double
// real pole. No plot, no trace, no readout.
#include <vector>

#include "framework/experiment_window.h"
#include "labs/correction/correction_layout.h"

class PlotView;

namespace correction {

class GainWindow : public ExperimentWindow {
  Q_OBJECT
 public:
  GainWindow(Host& host, const WindowDeclaration& declared, const Work& work);

  void FormCreate() override;
  void Timer1Timer() override;
  void regenerate() override;

  const Work& work() const { return work_; }
  const Params& params() const { return params_; }
  // The gains of the current data in the model's order (k1 before k2), whatever order the
  // student typed them in: the later windows simulate these.
  double gain(int i) const { return gains_.at(i); }

  PlotView* Image2 = nullptr;

 protected:
  bool acceptsEntry(int i, double v) override;
  void answerAccepted(int i) override;

 private:
  // Field 0 takes gain `first`, field 1 the other one.
  void expectOrder(int first);

  const Work& work_;
  Params params_;
  std::vector<double> gains_;
  layout::Parameters LT{};
};

}  // namespace correction
