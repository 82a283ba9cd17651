// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lag_model.h"

#include "framework/random.h"

namespace nontypical {

Lag Lag::draw(rnd::Source& random) {
  Lag l;
  random.reseed();
  l.T = random.range(300, 700) / 1000.0;
  l.k = random.range(100, 900) / 1000.0;
  return l;
}

}  // namespace nontypical
