// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The closed loop at one gain (or one T4): its step response integrated by explicit Euler steps
// and traced on Image1, and its three poles typed in any order, each as α then β.
#include <optional>

#include "labs/stability/stability_window.h"

class QLabel;

namespace stability {

class PolesWindow : public StabilityWindow {
 public:
  PolesWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  void FormCreate() override;
  void regenerate() override;

  // K (works 1, 2) or T4 (work 3) of the current data, and the multiplier m that set it.
  double loopValue() const { return value_; }
  double multiplier() const { return m_; }
  const Poles& truePoles() const { return poles_; }
  double sx() const { return sx_; }
  double sy() const { return sy_; }
  double endTime() const { return end_; }
  int stepsDrawn() const { return steps_; }

  PlotView* Image1 = nullptr;
  QLabel* La = nullptr;

  static constexpr int kWidth = 423;
  static constexpr int kHeight = 241;

 protected:
  TraceRunner::Recipe traceRecipe() override;
  bool acceptsEntry(int i, double v) override;
  void answerAccepted(int i) override;

 private:
  // The rules of the open boxes follow the open poles in order (a β box whose α is in: the
  // pole that α chose), so that each box's rule is a value it accepts now.
  void expectOpenPoles();
  void drawFrame();
  bool drawStep();
  int column(double t) const;
  int rowOf(double v) const;

  QLabel* afterLa_ = nullptr;
  double m_ = 1;
  double value_ = 0;
  Poles poles_;
  PoleMatcher matcher_;
  double sx_ = 1, sy_ = 110, end_ = 0;
  State state_;
  int steps_ = 0;
};

}  // namespace stability
