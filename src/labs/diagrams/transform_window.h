// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form10_1, the structural-transformation work: the closed system's transfer function of a
// three-link diagram in either of two forms, each answered in a chain of its own (eight and
// seven fields) under one error counter. The work ends when either chain is complete.
#include <array>

#include "framework/experiment_window.h"
#include "labs/diagrams/transform_model.h"

class PlotView;
class QFrame;
class QLabel;
class QRadioButton;

namespace diagrams {

class TransformWindow : public ExperimentWindow {
  Q_OBJECT
 public:
  TransformWindow(Host& host, const WindowDeclaration& declared);

  void FormCreate() override;
  void FormActivate() override;
  void Timer1Timer() override;
  void regenerate() override;
  // The choice of form: the chosen formula panel lit and enabled, its answer panel shown.
  void RB1Click();
  void RB2Click();

  const TransformParams& params() const { return params_; }
  const TransformAnswers& truth() const { return truth_; }
  QFrame* formPanel(int form) const { return form == 1 ? formPanel1_ : formPanel2_; }
  QFrame* answerPanel(int form) const { return form == 1 ? answers1_ : answers2_; }

  // Field index of the first row of form 2 (Edit9).
  static constexpr int Form2First = Form1Fields;

 protected:
  void answerAccepted(int i) override;
  void allAnswered() override;

 private:
  void buildLinks(QFrame* task);
  void buildForms(QFrame* task);
  QFrame* buildAnswers(int form);
  void showForm(int form);
  // The open field of the shown form's chain, if any.
  void focusOpenField();

  PlotView* Image1 = nullptr;
  QFrame* formPanel1_ = nullptr;
  QFrame* formPanel2_ = nullptr;
  QFrame* answers1_ = nullptr;
  QFrame* answers2_ = nullptr;
  QRadioButton* RB1 = nullptr;
  QRadioButton* RB2 = nullptr;
  QLabel *lk1 = nullptr, *lk2 = nullptr, *lt1 = nullptr, *lt2 = nullptr, *lt3 = nullptr;
  std::array<QLabel*, 3> numerators_{};
  std::array<QLabel*, 3> denominators_{};

  TransformParams params_;
  TransformAnswers truth_;
};

}  // namespace diagrams
