// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two diagram sections, one work each: the state-variable form and the structural
// transformations.
#include <vector>

#include "framework/catalogue.h"

namespace diagrams {
std::vector<SectionEntry> sections();
}  // namespace diagrams
