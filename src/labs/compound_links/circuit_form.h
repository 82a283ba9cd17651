// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form6_4: which elements make up the two impedances of the amplifier circuit that realises
// the PI link (check boxes that redraw the circuit, "Ответить"), then the two resistances as
// whole numbers of ohms. No trace; the last window of the PI work.
#include <array>

#include "framework/typical_form.h"
#include "pi_model.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace compound {

class CircuitForm : public TypicalForm {
  Q_OBJECT
 public:
  CircuitForm(Host& host, const WindowDeclaration& declared);
  const pi::Circuit& data() const { return data_; }

  void FormCreate() override;
  void Timer1Timer() override { Timer1->stop(); }
  void regenerate() override;

  // The "Ответить" button.
  void Button1Click();

  std::array<QCheckBox*, 6> CB{};  // CB1 .. CB6: R1, L1, C1, R2, L2, C2
  QPushButton* Button1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;  // Z1
  QGroupBox* GroupBox2 = nullptr;  // Z2
  QFrame* questionPanel = nullptr;
  QFrame* resistancePanel = nullptr;
  PlotView* circuit = nullptr;

 private:
  void drawCircuit();

  pi::Circuit data_;
  QLabel* LT1 = nullptr;
  QLabel* Lt2 = nullptr;
};

}  // namespace compound
