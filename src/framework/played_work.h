// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The work being played: what its windows share beyond their own data (the run count of a
// repeated experiment, whether the work is complete, each window's completion). The navigation
// owns it; windows reach it through Host::work(), ask it for a repeated experiment's next run and
// for the seed of each draw of their data, and share data with their later windows through it.
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "draw.h"

class PlayedWork {
 public:
  // The runs of a repeated experiment (the frequency windows), counted from 1. The count
  // stops at 7: runs past the sixth, closing one, must not wrap the signed byte round into a
  // run number again.
  std::int8_t RepeatCount = 0;
  void startRuns() { RepeatCount = 1; }
  // Counts the next run; false when there is none (the closing run is past).
  bool nextRun() {
    if (RepeatCount >= 7) return false;
    RepeatCount = static_cast<std::int8_t>(RepeatCount + 1);
    return RepeatCount <= 6;
  }

  // The work is complete: Menu ends it without asking.
  bool WorkDone = false;

  // The data a window draws next: from a fresh seed, or, once a replay has asked for it, the
  // recorded draw (for that window's next draw only).
  Draw nextDraw(const QString& form) {
    if (const auto it = replays_.find(form); it != replays_.end()) {
      Draw d = it.value();
      replays_.erase(it);
      d.replayed = true;
      return d;
    }
    return {rnd::freshSeed(), {}, false};
  }
  void replayNext(const QString& form, const Draw& draw) { replays_.insert(form, draw); }

  // Data a window shares with the later windows of its work (the stability work's T1, T2, T3 and
  // k1, the lag link's T and k, the correction work's gains), by window and name, for as long
  // as that window lives: it shares them again with each draw and they go when it closes.
  void share(const QString& form, const QString& what, std::vector<double> values) {
    shared_[form].insert(what, std::move(values));
  }
  std::optional<std::vector<double>> shared(const QString& form, const QString& what) const {
    const auto f = shared_.constFind(form);
    if (f == shared_.constEnd()) return std::nullopt;
    const auto v = f->constFind(what);
    if (v == f->constEnd()) return std::nullopt;
    return *v;
  }
  void forget(const QString& form) { shared_.remove(form); }

  // Completion flags, one per window, read by Next.
  bool completed(const QString& form) const { return completion_.value(form, false); }
  void setCompleted(const QString& form, bool done) { completion_[form] = done; }

 private:
  QHash<QString, bool> completion_;
  QHash<QString, Draw> replays_;
  QHash<QString, QHash<QString, std::vector<double>>> shared_;
};
