// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/event.h"

#include <QStringList>
#include <algorithm>

namespace record {

QStringList tallyKinds() {
  return {kind::RunStarted, kind::Student, kind::WorkStarted, kind::WorkCompleted, kind::RunEnded, kind::Interrupted};
}

void RunTally::add(const Event& e) {
  if (runs_.empty() || runs_.back().run != e.run || runs_.back().machine != e.machine) {
    runs_.push_back({});
    runs_.back().run = e.run;
    runs_.back().machine = e.machine;
    completed_.emplace_back();
  }
  RunSummary& r = runs_.back();
  if (e.kind == kind::RunStarted) {
    r.started = e.wall;
  } else if (e.kind == kind::Student) {
    r.student = e.text;
    r.group = e.detail;
  } else if (e.kind == kind::WorkStarted) {
    ++r.worksStarted;
  } else if (e.kind == kind::WorkCompleted) {
    auto& done = completed_.back();
    if (std::find(done.begin(), done.end(), e.work) == done.end()) {
      done.push_back(e.work);
      ++r.worksCompleted;
    }
  } else if (e.kind == kind::RunEnded) {
    if (r.end == RunSummary::End::Open) r.end = RunSummary::End::Closed;
  } else if (e.kind == kind::Interrupted) {
    r.end = RunSummary::End::Interrupted;
  }
  if (!r.started.isValid()) r.started = e.wall;
}

std::vector<RunSummary> RunTally::runs() const {
  std::vector<RunSummary> out = runs_;
  std::stable_sort(out.begin(), out.end(),
                   [](const RunSummary& a, const RunSummary& b) { return a.started < b.started; });
  return out;
}

}  // namespace record
