// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the coefficient and the response windows of the astatism works have in common: the
// window row they are configured by, the drawn parameters with their value labels, and the
// true answers set for the current data.
#include <vector>

#include "framework/experiment_window.h"
#include "labs/astatism/astatism_model.h"

class PlotView;
class QLabel;

namespace astatism {

class AstatismWindow : public ExperimentWindow {
 public:
  const WindowInfo& info() const { return info_; }
  const Params& params() const { return params_; }

  PlotView* Image2 = nullptr;  // the diagram
  std::vector<QLabel*> LT;     // LT1, LT2 (LT3)

 protected:
  AstatismWindow(Host& host, const WindowDeclaration& declared, const WindowInfo& info);
  // Loads the diagram, draws the parameters after one re-seed, shows them and sets the
  // answers' rules and accepted texts.
  void drawData();

  const WindowInfo& info_;
  Params params_;
};

}  // namespace astatism
