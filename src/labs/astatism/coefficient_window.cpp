// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/coefficient_window.h"

#include <QCoreApplication>

#include "framework/canvas.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "labs/astatism/astatism_layout.h"
#include "pictures/pictures.h"

namespace astatism {

using namespace layout;

namespace {

// The index of a coefficient names the input: "0g" for the reference, "0f" for the disturbance.
QString letter(const WindowInfo& info) {
  return info.signal == Signal::Reference ? QStringLiteral("g") : QStringLiteral("f");
}

}  // namespace

CoefficientWindow::CoefficientWindow(Host& host, const WindowDeclaration& declared, const WindowInfo& info)
    : AstatismWindow(host, declared, info) {
  hasTrace_ = false;

  // Work 4 has a third parameter: the title panel gives up 16 pixels to the task panel.
  const int extra = info.paramCount == 3 ? 24 : 0;
  const int lift = info.paramCount == 3 ? 16 : 0;
  const QString g = letter(info);
  // The error coefficients c₀, c₁, c₂ and the order of astatism N with its index "аст,g" (the
  // system type N_g in English).
  //: The letter c of the error coefficients c_0, c_1, c_2 (a Cyrillic с in the source).
  const QString coefficient = QCoreApplication::translate("astatism", "с");
  //: Index of N, the order of astatism with respect to the signal %1 (g or f); English: the system type N_g, N_f.
  const QString astatic = QCoreApplication::translate("astatism", "аст,%1").arg(g);
  QWidget* c = client();

  titlePanel(c, info, QRect(8, 8, 177, 121 - lift), 0, 0);
  Image2 = diagramPanel(c, info, QRect(192, 8, 433, 121), {427, 115});

  auto* question = ui::panel(c, QRect(192, 136, 433, 241), ui::Bevel::Single, QStringLiteral("Panel1"));
  const QFont q = arial(19), qIndex = arial(13);
  ui::label(question, QRect(8, 8, 417, 49),
            QCoreApplication::translate("astatism", "Для САУ с заданной структурой определите коэффициенты ошибок:"), q,
            colors::Navy, Qt::AlignLeft | Qt::AlignTop, true);
  caption(question, {160, 56},
          {text(coefficient), sub("0" + g), text(QStringLiteral(", ") + coefficient), sub("1" + g),
           text(QStringLiteral(", ") + coefficient), sub("2" + g), text(QStringLiteral(" - ? "))},
          q, qIndex, colors::Purple);
  ui::label(question, QPoint(8, 80), QCoreApplication::translate("astatism", "и порядок астатизма системы"), q,
            colors::Navy);
  caption(question, {172, 104}, {text(QStringLiteral("N")), sub(astatic), text(QStringLiteral(" - ?"))}, q, qIndex,
          colors::Purple);
  if (info.signal == Signal::Reference)
    ui::label(question, QPoint(12, 128), QCoreApplication::translate("astatism", "относительно сигнала задания"), q,
              colors::Navy, QStringLiteral("Label35"));

  auto* task = ui::panel(c, QRect(8, 136 - lift, 177, 241 + lift), ui::Bevel::Single, QStringLiteral("Panel2"));
  ui::label(task, QPoint(8, 0), declared.counter(Counter::Spaced), arial(19, false, true));
  ui::label(task, QPoint(9, 20), QCoreApplication::translate("astatism", "Исходные данные:"), arial(16));
  LT = parameterRows(task, info, 36);
  ui::label(task, QPoint(9, 81 + extra), QCoreApplication::translate("astatism", "Определите:"), arial(16));

  const int maxLength = info.answerMaxLength();
  for (int k = 0; k < 3; ++k) {
    const AnswerRow row =
        answerRow(task, k + 1, 104 + extra + 32 * k,
                  {text(coefficient), sub(QString::number(k) + g), text(QStringLiteral("="))}, 13, maxLength);
    addAnswer(row.edit, row.mark);
  }
  // "N" with its long index needs more room than the coefficients: its box starts later and
  // ends where the others end.
  const AnswerRow n = answerRow(
      task, 4, 200 + extra, {text(QStringLiteral("N")), sub(astatic), text(QStringLiteral("="))}, 12, maxLength, 60);
  addAnswer(n.edit, n.mark);
}

void CoefficientWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  drawData();
}

// There is nothing to trace; the timer the framework starts has nothing to do.
void CoefficientWindow::Timer1Timer() { Timer1->stop(); }

void CoefficientWindow::regenerate() {
  newData();
  FormActivate();
}

}  // namespace astatism
