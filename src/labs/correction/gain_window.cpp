// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/correction/gain_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/random.h"
#include "framework/widgets.h"

namespace correction {

using namespace layout;

GainWindow::GainWindow(Host& host, const WindowDeclaration& declared, const Work& work)
    : ExperimentWindow(host, declared, layout::caption(work, declared.index)), work_(work) {
  hasTrace_ = false;
  noReadout();
  QWidget* c = client();
  titlePanel(c, work);
  Image2 = diagramPanel(c, work);

  auto* question = ui::panel(c, RightRect, ui::Bevel::Single, QStringLiteral("Panel4"));
  // The corrector's symbol stands in the gap of the sentence, in the corrector's colour.
  ui::label(question, QRect(12, 12, RightRect.width() - 24, RightRect.height() - 24),
            QCoreApplication::translate(
                "correction",
                "Для САУ с заданной схемой включения корректирующего устройства определите коэффициент "
                "передачи указанного корректирующего устройства <font color=\"#800080\"><b>&nbsp;k&nbsp;</b>"
                "</font> исходя из условий получения кратных вещественных полюсов "),
            fonts::font(fonts::Arial, 21), colors::Navy, Qt::AlignLeft | Qt::AlignTop, true, QStringLiteral("Label3"));

  auto* task = taskPanel(c, work, declared);
  ui::label(task, QPoint(8, 32), QCoreApplication::translate("correction", "Для заданной САУ:"),
            fonts::font(fonts::Arial, 16));
  LT = parameterRows(task, 54);
  ui::label(task, QPoint(8, 110), QCoreApplication::translate("correction", "Определите:"),
            fonts::font(fonts::Arial, 16));
  for (int i = 0; i < work.gainCount(); ++i) {
    const QString index = work.gainCount() > 1 ? QString::number(i + 1) : QString();
    const AnswerRow row = answerRow(task, i + 1, 136 + 34 * i, QStringLiteral("k"), index);
    addAnswer(row.edit, row.mark);
  }
}

void GainWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  Randomize();
  params_ = drawParams();
  gains_ = gains(work_.scheme, params_.T1, params_.T2);
  ExperimentWindow::work().share(objectName(), QStringLiteral("gains"), gains_);
  showParameters(LT, params_.T1, params_.T2, work_.t2Chars);
  expectOrder(0);
}

// Nothing to trace: the timer the framework starts has nothing to do.
void GainWindow::Timer1Timer() { Timer1->stop(); }

void GainWindow::regenerate() {
  newData();
  FormActivate();
}

void GainWindow::expectOrder(int first) {
  for (int i = 0; i < answerCount(); ++i) {
    const double k = gains_.at((first + i) % answerCount());
    expect(i, Acceptance::band(k), acceptedText(k));
  }
}

bool GainWindow::acceptsEntry(int i, double v) {
  // The first box takes either gain, k1 when both bands would do; the second box then
  // takes only the other one.
  if (i == 0 && answerCount() >= 2) {
    const bool second = !Acceptance::band(gains_[0]).accepts(v) && Acceptance::band(gains_[1]).accepts(v);
    expectOrder(second ? 1 : 0);
  }
  return ExperimentWindow::acceptsEntry(i, v);
}

void GainWindow::answerAccepted(int i) {
  // One gain found is enough to go on to the step responses.
  if (i + 1 < answerCount()) ExperimentWindow::work().setCompleted(objectName(), true);
  ExperimentWindow::answerAccepted(i);
}

}  // namespace correction
