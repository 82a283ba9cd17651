// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "delay_model.h"

#include "framework/random.h"

namespace nontypical {

Delay Delay::draw(rnd::Source& random) {
  Delay d;
  random.reseed();
  d.T = random.range(100, 400) / 1000.0;
  random.reseed();
  d.w = random.range(500, 700) / 100.0;
  d.k = random.range(100, 900) / 1000.0;
  d.A = random.range(500, 1500) / 100.0;
  return d;
}

}  // namespace nontypical
