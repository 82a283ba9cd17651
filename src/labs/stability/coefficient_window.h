// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first window of each work (and Form18_2): the drawn parameters, the closed-loop transfer
// function to be written out, and the critical gain or time constant. No trace, no readout;
// the error limit regenerates the window in place. Form18_1 ends with a yes/no question.
#include <vector>

#include "labs/stability/stability_window.h"

class QLabel;

namespace stability {

class CoefficientWindow : public StabilityWindow {
 public:
  CoefficientWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  void FormCreate() override;
  void Timer1Timer() override;
  void regenerate() override;

  // The true answers in field order for the current data.
  std::vector<double> truths() const;

  QLabel* LT1 = nullptr;
  QLabel* LT2 = nullptr;
  QLabel* LT3 = nullptr;
  QLabel* Lk1 = nullptr;

 protected:
  void answerAccepted(int i) override;

 private:
  bool asksStability() const { return row_.loop == Loop::DoubleIntegrator; }
};

}  // namespace stability
