// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/class_table.h"

#include <QSet>
#include <algorithm>

namespace record {

bool ClassFilter::accepts(const StudentRow& row) const {
  if (!group.isEmpty() && row.group != group) return false;
  const QDate day = row.started.toLocalTime().date();
  if (from.isValid() && (!day.isValid() || day < from)) return false;
  if (to.isValid() && (!day.isValid() || day > to)) return false;
  return true;
}

QString statusCode(CellStatus s) {
  switch (s) {
    case CellStatus::Completed:
      return QStringLiteral("completed");
    case CellStatus::InProgress:
      return QStringLiteral("in_progress");
    case CellStatus::Left:
      return QStringLiteral("left");
    case CellStatus::Interrupted:
      return QStringLiteral("interrupted");
    case CellStatus::NotStarted:
      break;
  }
  return QStringLiteral("not_started");
}

ClassTable::ClassTable(std::vector<WorkColumn> works) : works_(std::move(works)) {
  for (int i = 0; i < int(works_.size()); ++i) columnOf_.insert(works_[i].firstForm, i);
}

int ClassTable::add(qint64 number, const Event& e) {
  last_ = std::max(last_, number);
  const QString key = e.run + QLatin1Char('\n') + e.machine;
  int r = rowOf_.value(key, -1);
  if (r < 0) {
    r = int(rows_.size());
    rowOf_.insert(key, r);
    StudentRow row;
    row.run = e.run;
    row.machine = e.machine;
    row.cells.resize(works_.size());
    rows_.push_back(std::move(row));
    attempts_.emplace_back();
  }
  StudentRow& row = rows_[r];
  if (e.kind == kind::RunStarted || !row.started.isValid()) row.started = e.wall;
  if (e.kind == kind::Student) {
    row.name = e.text;
    row.group = e.detail;
    return r;
  }
  if (e.kind == kind::RunEnded || e.kind == kind::Interrupted) {
    (e.kind == kind::RunEnded ? row.closed : row.interrupted) = true;
    // A work still running when its run ended is no longer in progress.
    for (auto it = attempts_[r].cbegin(); it != attempts_[r].cend(); ++it)
      if (!it->ended) refresh(r, it->column);
    return r;
  }
  if (e.kind == kind::WindowReached && !captions_.contains(e.form)) captions_.insert(e.form, e.text);
  if (e.work <= 0) return r;
  auto& attempts = attempts_[r];
  if (e.kind == kind::WorkStarted) {
    const int column = columnOf_.value(e.form, -1);
    if (column < 0) return -1;
    Attempt a;
    a.column = column;
    a.startTick = a.lastTick = e.steadyMs;
    attempts.insert(e.work, a);
    Cell& c = row.cells[column];
    if (!c.started.isValid() || e.wall < c.started) c.started = e.wall;
    refresh(r, column);
    return r;
  }
  auto it = attempts.find(e.work);
  if (it == attempts.end()) return -1;  // the work's start is not in the record
  Attempt& a = *it;
  a.lastTick = std::max(a.lastTick, e.steadyMs);
  Cell& c = row.cells[a.column];
  if (e.kind == kind::Wrong) {
    ++c.wrong;
    ++c.wrongByForm[e.form];
  } else if (e.kind == kind::Malformed) {
    ++c.formatErrors;
  } else if (e.kind == kind::Regenerated) {
    ++c.regenerations;
  } else if (e.kind == kind::WorkCompleted) {
    a.completed = true;
  } else if (e.kind == kind::WorkEnded) {
    a.ended = true;
    a.endTick = e.steadyMs;
    a.outcome = e.text;
    if (!c.ended.isValid() || e.wall > c.ended) c.ended = e.wall;
  }
  refresh(r, a.column);
  return r;
}

void ClassTable::refresh(int r, int column) {
  StudentRow& row = rows_[r];
  Cell& c = row.cells[column];
  qint64 ms = 0;
  bool completed = false, anyOpen = false;
  const Attempt* latest = nullptr;
  int latestWork = -1;
  for (auto it = attempts_[r].cbegin(); it != attempts_[r].cend(); ++it) {
    const Attempt& a = *it;
    if (a.column != column) continue;
    ms += std::max<qint64>(0, (a.ended ? a.endTick : a.lastTick) - a.startTick);
    completed = completed || a.completed || a.outcome == QLatin1String("completed");
    anyOpen = anyOpen || !a.ended;
    if (it.key() > latestWork) {
      latestWork = it.key();
      latest = &a;
    }
  }
  c.ms = ms;
  if (anyOpen) c.ended = {};
  if (!latest) {
    c.status = CellStatus::NotStarted;
  } else if (completed) {
    c.status = CellStatus::Completed;
  } else if (!latest->ended) {
    c.status = row.interrupted || row.closed ? CellStatus::Interrupted : CellStatus::InProgress;
  } else {
    c.status = latest->outcome == QLatin1String("left") ? CellStatus::Left : CellStatus::Interrupted;
  }
}

QStringList ClassTable::groups() const {
  QSet<QString> seen;
  QStringList out;
  for (const StudentRow& r : rows_)
    if (!r.group.isEmpty() && !seen.contains(r.group)) {
      seen.insert(r.group);
      out << r.group;
    }
  out.sort(Qt::CaseInsensitive);
  return out;
}

WorkSummary ClassTable::summary(int column, const ClassFilter& filter) const {
  WorkSummary s;
  std::vector<qint64> times;
  QHash<QString, int> wrong;
  for (const StudentRow& r : rows_) {
    if (!filter.accepts(r)) continue;
    const Cell& c = r.cells[column];
    if (c.status == CellStatus::NotStarted) continue;
    ++s.started;
    if (c.status == CellStatus::Completed) {
      ++s.completed;
      times.push_back(c.ms);
    }
    for (auto it = c.wrongByForm.cbegin(); it != c.wrongByForm.cend(); ++it) wrong[it.key()] += it.value();
  }
  if (!times.empty()) {
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    s.medianMs = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  }
  for (auto it = wrong.cbegin(); it != wrong.cend(); ++it)
    if (it.value() > s.worstWrong || (it.value() == s.worstWrong && it.key() < s.worstForm)) {
      s.worstWrong = it.value();
      s.worstForm = it.key();
    }
  if (!s.worstForm.isEmpty()) s.worstCaption = caption(s.worstForm);
  return s;
}

}  // namespace record
