// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a student types a value into an answer box: the shown form when it fits the box,
// otherwise the closest text that does (fewer digits, plain or with an exponent), with the
// locale's separator. Used wherever a test needs "the right answer as a person enters it".
#include <QString>

QString typedForm(double v, int maxLength);
