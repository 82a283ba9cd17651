// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw.h"

#include <QStringList>
#include <cmath>

QString Draw::takenText() const {
  QStringList parts;
  for (auto it = taken.constBegin(); it != taken.constEnd(); ++it) {
    QStringList numbers;
    for (double v : it.value()) numbers << QString::number(v, 'g', 17);
    parts << it.key() + QLatin1Char('=') + numbers.join(QLatin1Char(','));
  }
  return parts.join(QLatin1Char(';'));
}

std::optional<QMap<QString, std::vector<double>>> Draw::parseTaken(const QString& text) {
  QMap<QString, std::vector<double>> out;
  if (text.isEmpty()) return out;
  for (const QString& part : text.split(QLatin1Char(';'))) {
    const qsizetype eq = part.indexOf(QLatin1Char('='));
    if (eq <= 0) return std::nullopt;
    std::vector<double> values;
    const QString list = part.mid(eq + 1);
    if (!list.isEmpty())
      for (const QString& n : list.split(QLatin1Char(','))) {
        bool ok = false;
        const double v = n.toDouble(&ok);  // C locale, as written
        if (!ok || !std::isfinite(v)) return std::nullopt;
        values.push_back(v);
      }
    out.insert(part.left(eq), std::move(values));
  }
  return out;
}
