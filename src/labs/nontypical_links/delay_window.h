// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form4_1: the pure delay link k·e^(−Tp) driven by A·sin(ωt), the only window of its work.
// The student reads the gain off the output's amplitude and the delay off the shift of the
// output against the input.
#include "delay_model.h"
#include "framework/typical_form.h"

class QLabel;

class DelayWindow : public TypicalForm {
  Q_OBJECT
 public:
  DelayWindow(Host& host, const WindowDeclaration& declared);
  const nontypical::Delay& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void buildTask();
  void Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);

  nontypical::Delay data_;
  QLabel* LT1 = nullptr;  // A
  QLabel* Lw1 = nullptr;  // ω
};
