// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// The texts keep the "\n\r" pairs they were written with; a box only needs the line break.
QString forDisplay(QString text) { return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n")); }
QString title() { return QApplication::applicationName(); }
}  // namespace

void BoxMessageService::info(const QString& text) { QMessageBox::information(parent_, title(), forDisplay(text)); }

bool BoxMessageService::confirm(const QString& text) {
  return QMessageBox::question(parent_, title(), forDisplay(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}
