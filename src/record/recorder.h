// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record as the program writes it: events are queued by the caller (the GUI thread) and
// written by a thread of the recorder's own, each in its own transaction, to the machine's
// SQLite file; when a class database is set, a second thread sends them on from that file in
// order and marks them sent once the server has committed them.
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "record/class_db.h"
#include "record/event.h"

namespace record {

struct Health {
  bool localOk = true;  // false: the SQLite file cannot be written; the record is in memory only
  QString localWhy;
  ServerProblem server = ServerProblem::None;
  QString serverWhy;
  bool operator==(const Health&) const = default;
};

class Recorder {
 public:
  // path: the SQLite file; classUrl: the class database's URI, empty for none.
  explicit Recorder(const QString& path, const QString& classUrl = {});
  // Writes what is queued (a file that cannot be written is not waited for), gives the sender
  // a moment to send the last events, and stops both threads.
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // Queues an event (any thread; the caller does not wait for the disk). Its order in the run,
  // and the machine when not set, are given here.
  void add(Event e);
  // Waits until every event added so far is written, or the file has failed.
  void flush();
  // Waits up to timeoutMs until the class database has every written event. False on time-out.
  bool waitSent(int timeoutMs);
  // Told on one of the recorder's threads whenever the health changes.
  void setHealthHandler(std::function<void(const Health&)> handler);
  Health health() const;
  const QString& path() const { return path_; }
  const QString& machine() const { return machine_; }

 private:
  void writeLoop();
  void sendLoop();
  void setLocal(bool ok, const QString& why);
  void setServer(ServerProblem p, const QString& why);

  QString path_, classUrl_, machine_;
  mutable std::mutex m_;
  std::condition_variable wake_;     // the writer: something queued, or stop
  std::condition_variable written_;  // flush(): the queue moved
  std::condition_variable send_;     // the sender: something written, or stop
  std::deque<Event> queue_;
  qint64 nextSeq_ = 1;
  bool stop_ = false, stopSender_ = false;
  bool localFailing_ = false;
  // The writer has opened the file once: the sender reads it only then (two connections making
  // the file and its WAL at the same moment may find it locked).
  bool localReady_ = false;
  bool outboxEmpty_ = false;
  qint64 writtenGen_ = 0;  // moves with every event written (and when waitSent asks)
  Health health_;
  std::function<void(const Health&)> onHealth_;
  std::thread writer_, sender_;
};

}  // namespace record
