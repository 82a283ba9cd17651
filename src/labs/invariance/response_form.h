// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows 1 and 3 of both works: the loop's response to a unit step of g or f traced column
// by column on the plot and on the two icons. In window 1 the curve follows the student's
// answer (it shows the error the student predicted); in window 3 it comes first and is read.
#include <vector>

#include "labs/invariance/invariance_form.h"

namespace invariance {

class ResponseForm : public InvarianceForm {
  Q_OBJECT
 public:
  ResponseForm(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  void FormCreate() override;
  const Plot& plotInfo() const { return plot_; }
  // r after i columns, as drawn.
  const std::vector<double>& curve() const { return curve_; }

 protected:
  TraceRunner::Recipe traceRecipe() override;
  void allAnswered() override;

 private:
  bool traceFollowsAnswer() const { return row_.task == Task::Error; }
  TraceRunner::Recipe curveRecipe();
  void drawColumn(int n, const Plot& plot, const std::vector<double>& r);

  Plot plot_;
  std::vector<double> curve_;
};

}  // namespace invariance
