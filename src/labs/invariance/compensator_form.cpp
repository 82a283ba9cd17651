// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/invariance/compensator_form.h"

#include <QFrame>

#include "framework/messages.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace invariance {

CompensatorForm::CompensatorForm(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : InvarianceForm(host, declared, row) {
  hasTrace_ = false;
  // No plot: the task takes the whole lower band.
  plotPanel->hide();
  Image3->hide();
  Image4->hide();
  taskPanel->setGeometry(8, 104, 617, 273);
  taskRichText(
      QRect(8, 34, 600, 60),
      QCoreApplication::translate("invariance",
                                  "Определите параметры передаточной фунции: <b>W<sub>k</sub></b> обеспечивающей "
                                  "абсолютную инвариантность относительно сигнала %1, если эта функция представлена "
                                  "в следующем виде:")
          .arg(row.signalWord()));
  formula(taskPanel, QPoint(16, 104), QStringLiteral("W_k = k·"), QStringLiteral("b·p+1"), QStringLiteral("a·p+1"));
  parameterRows(100, taskPanel, 330);
  for (int i = 0; i < 3; ++i) addAnswerRow(180 + 30 * i, QStringLiteral("kba").mid(i, 1) + QStringLiteral(" ="), 7, 40);
}

void CompensatorForm::FormCreate() {
  InvarianceForm::FormCreate();
  const double lead = leadConstant(row_.work, params_);
  const QString shown = numtext::FloatCut(lead, 5);
  expect(0, Acceptance::exact(1), FloatToStr(1));
  expect(1, leadBand(lead, StrToFloat(shown).value_or(lead)), shown);
  expect(2, Acceptance::exact(0), FloatToStr(0));
}

void CompensatorForm::allAnswered() {
  if (host().messages().confirm(kRealizable))
    regenerate();
  else
    InvarianceForm::allAnswered();
}

}  // namespace invariance
