// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/invariance/response_form.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace invariance {

namespace {
// Passes of the trace: the input is applied at pass 20 (column 30), pass 400 ends it.
constexpr int kStepPass = 20;
constexpr int kEndPass = 400;
}  // namespace

ResponseForm::ResponseForm(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : InvarianceForm(host, declared, row) {
  hasTrace_ = !traceFollowsAnswer();
  plotGeometry();
  placeIcons();
  const int below = parameterRows(34);
  const QString signal =
      QStringLiteral("<b>%1</b> <font color=\"#ff0000\">%2</font>").arg(row.signalWord(), row.signal());
  if (row.task == Task::Error) {
    taskRichText(
        QRect(8, below, 178, 96),
        QCoreApplication::translate("invariance", "определите величину установившейся ошибки при отработке сигнала %1")
            .arg(signal));
    errorRow(below + 104);
  } else {
    taskRichText(
        QRect(8, below, 178, 60),
        QCoreApplication::translate("invariance", "определите, при каком значении <b>k</b>, e<sub>%1</sub> = 0")
            .arg(row.errorIndex()));
    addAnswerRow(below + 80, QStringLiteral("k ="), 5, 68);
  }
}

void ResponseForm::FormCreate() {
  InvarianceForm::FormCreate();
  const double truth = row_.task == Task::Error ? kSteadyError : 1.0;
  expect(0, Acceptance::exact(truth), FloatToStr(truth));
  plot_ = plotOf(row_.work, row_.task, params_);
  curve_ = response(row_.work, row_.task, params_);
  drawFrame(plot_);
}

void ResponseForm::allAnswered() {
  InvarianceForm::allAnswered();
  if (traceFollowsAnswer()) drawAfterAnswer(curveRecipe());
}

TraceRunner::Recipe ResponseForm::traceRecipe() { return traceFollowsAnswer() ? TraceRunner::Recipe{} : curveRecipe(); }

TraceRunner::Recipe ResponseForm::curveRecipe() {
  // The trace keeps its own copy: new data never mix into a curve being drawn.
  return {[this, plot = plot_, r = curve_](int n) {
            if (n >= kEndPass) return false;
            drawColumn(n, plot, r);
            return true;
          },
          {},
          1};
}

void ResponseForm::drawColumn(int n, const Plot& plot, const std::vector<double>& r) {
  const int y0 = plot.y0, top = y0 - plot.scale;
  const auto input = [this](int x1, int y1, int x2, int y2) { inputSegment(x1, y1, x2, y2); };
  const auto output = [this](int x1, int y1, int x2, int y2) { outputSegment(x1, y1, x2, y2); };
  // Window 1 lays the output under the input where they meet, window 3 the input under it.
  const bool outputFirst = row_.task == Task::Error;
  if (n < kStepPass) {
    if (outputFirst) output(n + 10, y0, n + 11, y0);
    input(n + 10, y0, n + 11, y0);
    if (!outputFirst) output(n + 10, y0, n + 11, y0);
  } else if (n == kStepPass) {
    input(30, y0, 31, top);
  } else {
    const int i = n - kStepPass;
    if (outputFirst) output(n + 10, rowOf(plot, r[i]), n + 11, rowOf(plot, r[i + 1]));
    input(n + 10, top, n + 11, top);
    if (!outputFirst) output(n + 10, rowOf(plot, r[i]), n + 11, rowOf(plot, r[i + 1]));
  }
}

}  // namespace invariance
