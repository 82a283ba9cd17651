// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows _1 and _2 of every astatism work: the error coefficients c0, c1, c2 and the order of
// astatism of the loop, for the reference (_1) or the disturbance (_2). No trace, no readout.
#include <vector>

#include "labs/astatism/astatism_window.h"

class PlotView;
class QLabel;

namespace astatism {

class CoefficientWindow : public AstatismWindow {
 public:
  CoefficientWindow(Host& host, const WindowDeclaration& declared, const WindowInfo& info);

  void FormCreate() override;
  void Timer1Timer() override;
  void regenerate() override;
};

}  // namespace astatism
