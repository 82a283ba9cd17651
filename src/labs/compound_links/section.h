// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compound-link section: the PI, the differentiating and the integrating-with-forcing links.
#include "framework/catalogue.h"

namespace compound {
SectionEntry section();
}  // namespace compound
