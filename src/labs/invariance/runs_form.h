// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window 4 of both works: the realizable compensator (Tn·p + 1)/(T3·p + 1). Once the student
// has said that its steady error is 0, the loop is simulated with three lags T3 = 0.5·Tn, Tn
// and 2·Tn, one after the other on one frame, each curve in its colour with its legend.
#include <vector>

#include "labs/invariance/invariance_form.h"

namespace invariance {

class RunsForm : public InvarianceForm {
  Q_OBJECT
 public:
  RunsForm(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  void FormCreate() override;
  const Plot& plotInfo() const { return plot_; }
  // y after k steps of each run, as drawn.
  const std::vector<double>& curve(int run) const { return runs_[run]; }
  static const QColor& runColor(int run);

 protected:
  // The completion flag waits for the three runs.
  void allAnswered() override;

 private:
  TraceRunner::Recipe runsRecipe();
  void drawLegend(int run);

  Plot plot_;
  std::vector<double> runs_[3];
};

}  // namespace invariance
