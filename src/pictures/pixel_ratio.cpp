// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/pixel_ratio.h"

namespace display {
namespace {
qreal& slot() {
  static qreal r = 1;
  return r;
}
}  // namespace
qreal ratio() { return slot(); }
void setRatio(qreal r) { slot() = r > 0 ? r : 1; }
}  // namespace display
