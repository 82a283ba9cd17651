// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The astatism section: four works of eight windows, Form19_1 .. Form22_8.
#include "framework/catalogue.h"

namespace astatism {
SectionEntry section();
}  // namespace astatism
