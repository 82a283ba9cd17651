// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/invariance/runs_form.h"

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace invariance {

RunsForm::RunsForm(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : InvarianceForm(host, declared, row) {
  hasTrace_ = false;
  plotGeometry();
  Image3->hide();
  Image4->hide();
  const int below = parameterRows(34);
  const QString signal =
      QStringLiteral("<b>%1</b> <font color=\"#ff0000\">%2</font>").arg(row.signalWord(), row.signal());
  taskRichText(
      QRect(8, below, 178, 66),
      QCoreApplication::translate("invariance", "определите величину установившейся ошибки при отработке сигнала %1")
          .arg(signal),
      14);
  const QString n = row.leadIndex();
  formula(taskPanel, QPoint(8, below + 66), QStringLiteral("W_k ="), QStringLiteral("T_%1p+1").arg(n),
          QStringLiteral("T_3p+1"));
  errorRow(below + 126);
}

const QColor& RunsForm::runColor(int run) {
  static const QColor* colours[3] = {&colors::Purple, &colors::Blue, &colors::Green};
  return *colours[run];
}

void RunsForm::FormCreate() {
  InvarianceForm::FormCreate();
  expect(0, Acceptance::exact(0), FloatToStr(0));
  plot_ = plotOf(row_.work, Task::Runs, params_);
  for (int k = 0; k < 3; ++k) runs_[k] = run(row_.work, params_, k);
  drawFrame(plot_);
}

void RunsForm::allAnswered() { drawAfterAnswer(runsRecipe()); }

TraceRunner::Recipe RunsForm::runsRecipe() {
  const int steps = plot_.columns;
  return {[this, plot = plot_, steps](int j) {
            const int run = (j - 1) / steps, k = (j - 1) % steps;
            if (run >= 3) return false;
            Canvas& c = Image1->canvas();
            const int y0 = plot.y0, top = y0 - plot.scale;
            if (k == 0) {
              c.setPen(colors::Red, 2);
              c.line(30, y0, 30, top);
            }
            // The reference (or the disturbance) is drawn once, under the first run.
            if (run == 0) {
              c.setPen(colors::Red, 2);
              c.line(k - 1 + 30, top, k + 30, top);
            }
            const std::vector<double>& y = runs_[run];
            c.setPen(runColor(run), 2);
            c.line(k + 30, rowOf(plot, y[k]), k + 31, rowOf(plot, y[k + 1]));
            drawLegend(run);
            return true;
          },
          [this] { InvarianceForm::allAnswered(); }, 1};
}

// "T₃ = 0.5T₂" and so on, rewritten at every step so that no curve runs over it.
void RunsForm::drawLegend(int run) {
  static const char* const texts[3] = {"T = 0.5T", "T = T", "T  = 2T"};
  static const int lastIndexX[3] = {370, 345, 360};
  const int y = 50 + 30 * run;
  Canvas& c = Image1->canvas();
  c.setFont(fonts::Arial, 14);
  c.setFontColor(runColor(run));
  c.textOut(300, y, QString::fromLatin1(texts[run]));
  c.setFontSize(12);
  c.textOut(310, y + 10, QStringLiteral("3"));
  c.textOut(lastIndexX[run], y + 10, row_.leadIndex());
  c.setFontColor(colors::Black);
}

}  // namespace invariance
