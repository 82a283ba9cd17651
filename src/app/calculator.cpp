// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator.h"

#include <QProcess>
#include <QStandardPaths>

QStringList defaultCalculators() {
#ifdef Q_OS_WIN
  return {QStringLiteral("calc.exe")};
#elif defined(Q_OS_MACOS)
  return {QStringLiteral("/System/Applications/Calculator.app/Contents/MacOS/Calculator")};
#else
  return {QStringLiteral("gnome-calculator"),
          QStringLiteral("kcalc"),
          QStringLiteral("mate-calc"),
          QStringLiteral("galculator"),
          QStringLiteral("qalculate-gtk"),
          QStringLiteral("qalculate-qt"),
          QStringLiteral("xcalc")};
#endif
}

bool startCalculator(const QStringList& candidates) {
  for (const QString& name : candidates) {
    const QString path = name.contains('/') ? name : QStandardPaths::findExecutable(name);
    if (path.isEmpty()) continue;
    if (QProcess::startDetached(path, {})) return true;
  }
  return false;
}
