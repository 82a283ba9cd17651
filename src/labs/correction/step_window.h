// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows 2 (and 3) of each correction work: the corrected loop's step response simulated
// with the gain of the work's first window and the window's own T1, T2, traced column by
// column; the student reads the steady-state error and the settling time off it with the
// two measuring lines and the pointer readout.
#include "framework/measuring_form.h"
#include "labs/correction/correction_layout.h"

class QLabel;

namespace correction {

class StepWindow : public MeasuringForm {
  Q_OBJECT
 public:
  // Its number in its work (2 or 3) is its declaration's index.
  StepWindow(Host& host, const WindowDeclaration& declared, const Work& work);

  void FormCreate() override;

  const Work& work() const { return work_; }
  const Params& params() const { return params_; }
  double gain() const { return k_; }
  const Response& response() const { return response_; }

  QLabel* Lk = nullptr;

 protected:
  TraceRunner::Recipe curveRecipe() override;

 private:
  // The title and diagram panels of this work's larger pictures, with the icons over the
  // picture's bottom corners.
  void arrangePanels();
  // The gain of the live first window; if that window has been closed, the gain that gives
  // this window's own loop its double pole.
  double takeGain();
  void drawFrame();
  bool drawPass(int n);

  const Work& work_;
  int n_;  // the window's number in its work
  Params params_;
  double k_ = 0;
  Response response_;
  layout::Parameters LT{};
};

}  // namespace correction
