// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_form.h"

#include <QLabel>
#include <cmath>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

namespace compound {

namespace {
constexpr int Axis = 240;       // the time axis
constexpr int kInputPass = 20;  // the pass of the input step
constexpr int kEndPass = 351;
}  // namespace

StepForm::StepForm(Host& host, const WindowDeclaration& declared, const StepRow& row)
    : MeasuringForm(host, declared, row.caption, row.layout), row_(row) {
  fitTitle(titleLabel);
  shape_.hChars = row.hChars;
  values_ = writeTask(taskPanel, 32, shape_.task.width() - 6, row.task).values;
  for (int i = 0; i < static_cast<int>(row.answers.size()); ++i) {
    const AnswerWidgets w = answerRow(taskPanel, i + 1, row.answersTop + 40 * i, row.answers[i], 56);
    addAnswer(w.edit, w.mark);
  }
}

void StepForm::FormCreate() {
  MeasuringForm::FormCreate();
  Randomize();
  data_ = row_.draw();
  const StepCurve& s = data_.curve;
  shape_.scale = s.S;
  timeStep_ = s.delta;
  for (int i = 0; i < answerCount(); ++i) expect(i, data_.answers.at(i).rule, data_.answers.at(i).shown);
  for (auto it = values_.constBegin(); it != values_.constEnd(); ++it) {
    it.value()->setText(data_.values.value(it.key()));
    it.value()->adjustSize();
  }

  stepFrame(230 - s.input());
}

TraceRunner::Recipe StepForm::curveRecipe() {
  const StepCurve s = data_.curve;
  const int in = Axis - s.input();
  StepTrace t;
  t.passes = kEndPass;
  t.output = [s](int n) { return Axis - s.heights[n - 1]; };
  t.input = in;
  t.iconStep = {30, in};
  t.inputPen = 2;
  t.iconShift = 9;
  t.outputJumps = true;
  static_assert(kInputPass == RampInputPass);
  return {[this, t](int j) { return stepPass(j, t); },
          [this, s, in] { stepClosing(230 - s.heights.back(), in, s.steady >= 0 ? Axis - s.steady : -1); }, 1};
}

QString StepForm::levelText(int position) const {
  const double S = shape_.scale;
  return numtext::FloatCut((230 - std::floor(S) - position) / S + 1, shape_.levelChars);
}

}  // namespace compound
