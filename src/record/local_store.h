// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine's record: a SQLite file (WAL, one transaction per event) that is also the outbox of
// the class database. One LocalStore is one connection and is used by the thread that made it.
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <vector>

#include "record/event.h"

namespace record {

// Where the record lives unless --journal-db names another file.
QString defaultLocalPath();
// Whether a process of this machine runs (its run is still being written).
bool processAlive(qint64 pid);

class LocalStore {
 public:
  // path: the SQLite file (its folder is made when missing).
  explicit LocalStore(const QString& path);
  ~LocalStore();
  LocalStore(const LocalStore&) = delete;
  LocalStore& operator=(const LocalStore&) = delete;

  // Opens the file and makes its tables. False with *why when it cannot be opened or written.
  bool open(QString* why);
  bool isOpen() const { return open_; }
  // Writes one event in a transaction of its own (its local number is the next one).
  bool add(const Event& e, QString* why);
  // Runs of this machine started by a process that is gone and never ended get an
  // "interrupted" event. alive(pid): whether that process still runs. Returns how many.
  int markInterrupted(const QString& machine, const std::function<bool(qint64)>& alive, QString* why = nullptr);

  // The outbox: events after the last one the class database has committed, in order.
  struct Pending {
    qint64 number;  // the local order
    Event event;
  };
  std::vector<Pending> unsent(int limit, QString* why = nullptr);
  bool markSent(qint64 upTo, QString* why = nullptr);
  qint64 unsentCount();

  // Every event of a run (all runs when empty), in the order written.
  std::vector<Event> events(const QString& run = {});
  std::vector<RunSummary> runs();
  // Events after the local number `after`, in order, at most limit; each with its number.
  std::vector<Pending> after(qint64 after, int limit, QString* why = nullptr);

 private:
  QString path_;
  QString name_;  // the connection's name
  bool open_ = false;
};

}  // namespace record
