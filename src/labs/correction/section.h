// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The correction section: series, parallel and local-feedback correction.
#include "framework/catalogue.h"

namespace correction {
SectionEntry section();
}  // namespace correction
