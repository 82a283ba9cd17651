// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a store's events for the teacher, a batch at a time after what was read before: the
// class database (a teacher's login) or a machine's SQLite file. One reader is one connection,
// used by the thread that made it.
#include <QString>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "record/event.h"

namespace record {

class ClassDb;
class LocalStore;

class ClassReader {
 public:
  // classUrl: the class database; empty: the SQLite file at localPath.
  ClassReader(const QString& localPath, const QString& classUrl);
  ~ClassReader();

  enum class Problem { None, Missing, Unreadable, Refused, Unreachable };
  // The next events, each with its number in the store, at most limit of them, in the store's
  // order. Nothing on failure, with problem() and why().
  std::optional<std::vector<std::pair<qint64, Event>>> next(int limit);
  // The last batch was full: the store may have more now.
  bool more() const { return more_; }
  Problem problem() const { return problem_; }
  const QString& why() const { return why_; }
  bool fromClassDb() const { return !url_.isEmpty(); }

 private:
  bool fail(Problem p, const QString& why);

  QString path_, url_;
  std::unique_ptr<LocalStore> local_;
  std::unique_ptr<ClassDb> server_;
  qint64 last_ = 0;
  bool more_ = false;
  // The server numbers an event when its transaction adds it, not when it commits: a batch
  // committed late can land below numbers already read. The last Overlap numbers are read
  // again, and those already taken are skipped (a batch later by more than that is not seen).
  static constexpr qint64 Overlap = 2000;
  std::set<qint64> recent_;
  Problem problem_ = Problem::None;
  QString why_;
};

}  // namespace record
