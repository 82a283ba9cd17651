// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_declaration.h"

#include <QCoreApplication>

QString WindowDeclaration::counter(Counter spacing) const {
  return (spacing == Counter::Spaced ? QCoreApplication::translate("framework", "Задание № %1 из %2")
                                     : QCoreApplication::translate("framework", "Задание №%1 из %2"))
      .arg(index)
      .arg(count);
}

QString WindowDeclaration::workTitle() const {
  if (title.source) return title.text();
  return QCoreApplication::translate("framework", "Лаб №%1").arg(workNumber);
}
