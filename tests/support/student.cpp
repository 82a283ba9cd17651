// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student.h"

#include <QRegularExpression>
#include <cmath>

#include "framework/numtext.h"

QString typedForm(double v, int maxLength) {
  const QString shown = numtext::FloatToStr(v);
  if (shown.size() <= maxLength) return shown;
  // With fewer digits a person writes it plainly, with an exponent, or with fixed decimals;
  // the longest fitting text of each kind is its most precise one, and the nearest of those
  // three wins.
  static const QRegularExpression exponent(QStringLiteral("e([+-])0*(\\d)"));
  auto text = [&](char form, int digits) {
    QString t = QString::number(v, form, digits);
    t.replace(exponent, QStringLiteral("E\\1\\2")).replace(QStringLiteral("E+"), QStringLiteral("E"));
    return t.replace(QChar('.'), numtext::decimalSeparator());
  };
  QString best = shown.left(maxLength);
  double bestError = HUGE_VAL;
  for (char form : {'g', 'e', 'f'}) {
    for (int d = 15; d >= 0; --d) {
      if (form == 'g' && d == 0) break;
      const QString c = text(form, d);
      if (c.size() > maxLength) continue;
      const auto back = numtext::StrToFloat(c);
      if (back && std::fabs(*back - v) < bestError) {
        bestError = std::fabs(*back - v);
        best = c;
      }
      break;
    }
  }
  return best;
}
