// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trace_runner.h"

#include "host.h"

void TraceRunner::run(Recipe recipe) {
  ++generation_;
  pending_ = std::move(recipe);
  pendingValid_ = true;
  if (active_) return;  // the loop below, further up the stack, picks it up

  const QPointer<QObject> alive(owner_);
  active_ = true;
  while (pendingValid_) {
    Recipe cur = std::move(pending_);
    pendingValid_ = false;
    const unsigned gen = generation_;
    bool abandoned = false;
    for (int j = 1;; ++j) {
      if (cur.paceEvery > 0 && j % cur.paceEvery == 0) {
        host_.pace();
        // The owner may be gone now; nothing of this object may be touched then.
        if (!alive) return;
        if (gen != generation_ || host_.closing()) {
          abandoned = true;
          break;
        }
      }
      if (!cur.step(j)) break;
    }
    if (!abandoned && cur.finish) cur.finish();
    if (!alive) return;
  }
  active_ = false;
}
