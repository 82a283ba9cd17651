// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/class_reader.h"

#include <QFileInfo>
#include <algorithm>

#include "record/class_db.h"
#include "record/local_store.h"

namespace record {

ClassReader::ClassReader(const QString& localPath, const QString& classUrl) : path_(localPath), url_(classUrl) {}

ClassReader::~ClassReader() = default;

bool ClassReader::fail(Problem p, const QString& why) {
  problem_ = p;
  why_ = why;
  return false;
}

std::optional<std::vector<std::pair<qint64, Event>>> ClassReader::next(int limit) {
  problem_ = Problem::None;
  why_.clear();
  std::vector<std::pair<qint64, Event>> out;
  if (url_.isEmpty()) {
    if (!local_) {
      // A file that is not there is not made by reading it.
      if (!QFileInfo::exists(path_)) return fail(Problem::Missing, path_), std::nullopt;
      auto store = std::make_unique<LocalStore>(path_);
      QString why;
      if (!store->open(&why)) return fail(Problem::Unreadable, why), std::nullopt;
      local_ = std::move(store);
    }
    QString why;
    auto batch = local_->after(last_, limit, &why);
    more_ = int(batch.size()) == limit;
    for (auto& p : batch) {
      last_ = p.number;
      out.emplace_back(p.number, std::move(p.event));
    }
    if (!why.isEmpty()) return fail(Problem::Unreadable, why), std::nullopt;
    return out;
  }
  if (!server_) server_ = std::make_unique<ClassDb>(url_);
  // The numbers read again are at most those kept in recent_: `want` leaves room for limit new ones.
  const int want = limit + int(recent_.size());
  const auto got = server_->after(std::max<qint64>(0, last_ - Overlap), want);
  if (!got)
    return fail(server_->problem() == ServerProblem::Refused ? Problem::Refused : Problem::Unreachable, server_->why()),
           std::nullopt;
  for (const auto& [n, e] : *got) {
    if (!recent_.insert(n).second) continue;
    out.emplace_back(n, e);
    last_ = std::max(last_, n);
  }
  more_ = int(got->size()) == want;
  while (!recent_.empty() && *recent_.begin() <= last_ - Overlap) recent_.erase(recent_.begin());
  return out;
}

}  // namespace record
