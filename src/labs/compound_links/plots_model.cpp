// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plots_model.h"

#include "framework/numtext.h"

namespace compound {

QString Lafc::frequencyLabel(int i) const { return numtext::FloatCut(i / Lx, 4); }
QString Lafc::decibelLabel(int i) const { return numtext::FloatCut(20 * i / Ly, 4); }

}  // namespace compound
