// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a student would see go wrong in a window's layout: a label, button or group-box text
// that does not fit its widget (cut off at the right or the bottom), that runs out of the
// panel it lies on, or that overlaps another text or control beside it.
#include <QStringList>

class QWidget;

// One line per problem ("Label3 'text': wider than its widget (212 > 193)"); empty when every
// text shown under `root` fits. Hidden widgets are left out: a panel shown later is checked
// when it is shown.
QStringList layoutProblems(const QWidget* root);
// The texts shown under `root`: labels, buttons, group-box titles.
QStringList shownTexts(const QWidget* root);
