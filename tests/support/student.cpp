#include "student.h"

#include <QRegularExpression>
#include <cmath>

#include "framework/numtext.h"

QString typedForm(double v, int maxLength) {
  const QString shown = numtext::FloatToStr(v);
  if (shown.size() <= maxLength) return shown;
  // Candidates a person might write with fewer digits; the one nearest v wins.
  QStringList candidates;
  static const QRegularExpression exponent(QStringLiteral("e([+-])0*(\\d)"));
  for (int d = 15; d >= 1; --d) {
    for (char form : {'g', 'e'}) {
      QString g = QString::number(v, form, form == 'g' ? d : d - 1);
      g.replace(exponent, QStringLiteral("E\\1\\2")).replace(QStringLiteral("E+"), QStringLiteral("E"));
      candidates << g;
    }
  }
  for (int k = 15; k >= 0; --k) candidates << QString::number(v, 'f', k);
  QString best = shown.left(maxLength);
  double bestError = HUGE_VAL;
  for (QString c : candidates) {
    if (c.size() > maxLength) continue;
    c.replace(QChar('.'), numtext::decimalSeparator());
    const auto back = numtext::StrToFloat(c);
    if (back && std::fabs(*back - v) < bestError) {
      bestError = std::fabs(*back - v);
      best = c;
    }
  }
  return best;
}
