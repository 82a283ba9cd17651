// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stability section: three works of five windows each.
#include "framework/catalogue.h"

namespace stability {
SectionEntry section();
}  // namespace stability
