// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The invariance section: invariance to the reference and to the disturbance.
#include "framework/catalogue.h"

namespace invariance {
SectionEntry section();
}  // namespace invariance
