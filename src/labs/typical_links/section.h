// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typical-link section: the integrating, aperiodic and oscillating works.
#include "framework/catalogue.h"

namespace typical {
SectionEntry section();
}  // namespace typical
