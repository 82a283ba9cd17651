#include "step_form.h"

#include <QLabel>
#include <cmath>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

namespace compound {

namespace {
constexpr int Axis = 240;     // the time axis
constexpr int kInputPass = 20;
constexpr int kEndPass = 351;
}  // namespace

StepForm::StepForm(Host& host, const StepRow& row)
    : MeasuringForm(host, row.form, row.caption, row.help, row.layout), row_(row) {
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
  return {[this, s, in](int j) {
            if (j >= kEndPass) return false;
            Canvas& c = Image1->canvas();
            if (j < kInputPass) {
              iconLine(Image3, colors::Red, j + 10, Axis, j + 11, Axis);
              iconLine(Image4, colors::Blue, j + 10, Axis, j + 11, Axis);
            } else if (j == kInputPass) {
              c.setPen(colors::Red, 2);
              c.line(30, Axis, 30, in);
              c.setPen(colors::Blue, 2);
              c.line(30, Axis, 30, Axis - s.heights[0]);
              iconLine(Image3, colors::Red, 30, Axis, 30, in);
              iconLine(Image4, colors::Blue, 30, Axis, 30, Axis - s.heights[0]);
            } else {
              const int n = j - kInputPass;
              const int from = Axis - s.heights[n - 1], to = Axis - s.heights[n];
              c.setPen(colors::Blue, 2);
              c.line(j + 9, from, j + 10, to);
              c.setPen(colors::Red, 2);
              c.line(j + 9, in, j + 10, in);
              iconLine(Image4, colors::Blue, j + 9, from, j + 10, to);
              iconLine(Image3, colors::Red, j + 9, in, j + 10, in);
            }
            return true;
          },
          [this, s, in] {
            stepClosing(230 - s.heights.back(), in, s.steady >= 0 ? Axis - s.steady : -1);
          },
          1};
}

QString StepForm::levelText(int position) const {
  const double S = shape_.scale;
  return numtext::FloatCut((230 - std::floor(S) - position) / S + 1, shape_.levelChars);
}

}  // namespace compound
