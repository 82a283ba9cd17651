// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The non-typical-link section: the pure delay link and the non-minimum-phase link.
#include "framework/catalogue.h"

namespace nontypical {
SectionEntry section();
}  // namespace nontypical
