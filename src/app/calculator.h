// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts the desktop's calculator, detached, without waiting for it.
#include <QStringList>

QStringList defaultCalculators();
// True when one of the candidates (program names looked up on the PATH, or paths) started.
bool startCalculator(const QStringList& candidates = defaultCalculators());
