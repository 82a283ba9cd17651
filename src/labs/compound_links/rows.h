// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table rows that configure the compound-link windows sharing a shape.
#include <vector>

#include "harmonic_form.h"
#include "lafc_form.h"
#include "step_form.h"

namespace compound {

// Form6_1, Form7_1, Form8_1.
const std::vector<StepRow>& stepRows();
// Form6_2, Form6_3, Form7_2, Form7_3, Form8_2.
const std::vector<HarmonicRow>& harmonicRows();
// Form7_4, Form8_3.
const std::vector<LafcRow>& lafcRows();

}  // namespace compound
