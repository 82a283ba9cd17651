// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step-response windows of the compound links (Form6_1, Form7_1, Form8_1): the link's
// response to a unit step with the two measuring lines, read for its parameters.
#include <QHash>
#include <functional>

#include "framework/measuring_form.h"
#include "plots_model.h"
#include "task_text.h"

namespace compound {

struct StepData {
  StepCurve curve;
  std::vector<Expected> answers;
  QHash<QString, QString> values;  // texts of the task's value labels
};

struct StepRow {
  QString form, caption;
  TypicalLayout layout;     // the PI window words its task in the layout's task text
  std::vector<Piece> task;  // the others lay theirs out here
  std::vector<AnswerLine> answers;
  int answersTop = 150;
  int hChars = 5;  // the readout's h cut to this many characters
  std::function<StepData()> draw;
};

class StepForm : public MeasuringForm {
  Q_OBJECT
 public:
  StepForm(Host& host, const WindowDeclaration& declared, const StepRow& row);
  const StepData& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe curveRecipe() override;
  // The level of a line as the box shows it: (230 − ⌊S⌋ − P)/S + 1, which is (230 − P)/S
  // when S is whole; a box that does not parse gets (230 − P)/S back.
  QString levelText(int position) const override;
  QString restoredText(int position) const override { return MeasuringForm::levelText(position); }

 private:
  const StepRow& row_;
  StepData data_;
  QHash<QString, QLabel*> values_;
};

}  // namespace compound
