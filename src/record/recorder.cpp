// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recorder.h"

#include <QSysInfo>
#include <chrono>

#include "record/local_store.h"

namespace record {

namespace {

using namespace std::chrono_literals;

}  // namespace

Recorder::Recorder(const QString& path, const QString& classUrl)
    : path_(path), classUrl_(classUrl), machine_(QSysInfo::machineHostName()) {
  writer_ = std::thread([this] { writeLoop(); });
  if (!classUrl_.isEmpty()) sender_ = std::thread([this] { sendLoop(); });
}

Recorder::~Recorder() {
  flush();
  if (sender_.joinable()) {
    if (health().server == ServerProblem::None) waitSent(1000);
    {
      std::lock_guard lock(m_);
      stopSender_ = true;
    }
    send_.notify_all();
    sender_.join();
  }
  {
    std::lock_guard lock(m_);
    stop_ = true;
  }
  wake_.notify_all();
  writer_.join();
}

void Recorder::add(Event e) {
  {
    std::lock_guard lock(m_);
    e.seq = nextSeq_++;
    if (e.machine.isEmpty()) e.machine = machine_;
    queue_.push_back(std::move(e));
  }
  wake_.notify_one();
}

void Recorder::flush() {
  std::unique_lock lock(m_);
  written_.wait(lock, [this] { return queue_.empty() || localFailing_; });
}

bool Recorder::waitSent(int timeoutMs) {
  // Every event written to the file first (a file that fails keeps them queued: not sent), then
  // the sender looks again and says when the outbox is empty.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::unique_lock lock(m_);
  if (!written_.wait_until(lock, deadline, [this] { return queue_.empty(); })) return false;
  outboxEmpty_ = false;
  ++writtenGen_;
  send_.notify_all();
  return written_.wait_until(lock, deadline, [this] { return outboxEmpty_ && queue_.empty(); });
}

void Recorder::setHealthHandler(std::function<void(const Health&)> handler) {
  Health now;
  {
    std::lock_guard lock(m_);
    onHealth_ = std::move(handler);
    now = health_;
  }
  if (onHealth_ && !(now == Health{})) onHealth_(now);
}

Health Recorder::health() const {
  std::lock_guard lock(m_);
  return health_;
}

void Recorder::setLocal(bool ok, const QString& why) {
  Health h;
  std::function<void(const Health&)> tell;
  {
    std::lock_guard lock(m_);
    localFailing_ = !ok;
    if (health_.localOk == ok && (ok || health_.localWhy == why)) return;
    health_.localOk = ok;
    health_.localWhy = ok ? QString() : why;
    h = health_;
    tell = onHealth_;
  }
  written_.notify_all();
  if (tell) tell(h);
}

void Recorder::setServer(ServerProblem p, const QString& why) {
  Health h;
  std::function<void(const Health&)> tell;
  {
    std::lock_guard lock(m_);
    if (health_.server == p && (p == ServerProblem::None || health_.serverWhy == why)) return;
    health_.server = p;
    health_.serverWhy = p == ServerProblem::None ? QString() : why;
    h = health_;
    tell = onHealth_;
  }
  if (tell) tell(h);
}

void Recorder::writeLoop() {
  LocalStore store(path_);
  auto nextTry = std::chrono::steady_clock::now();
  std::unique_lock lock(m_);
  for (;;) {
    if (localFailing_)
      wake_.wait_until(lock, nextTry, [this] { return stop_; });
    else
      wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
    if (queue_.empty() && stop_) break;
    if (queue_.empty()) continue;
    // A file that failed is tried again every few seconds, not at every event.
    if (localFailing_ && std::chrono::steady_clock::now() < nextTry) {
      if (stop_) break;  // the events stay in the journal in memory only
      continue;
    }
    const Event e = queue_.front();
    lock.unlock();
    QString why;
    bool ok = store.isOpen();
    if (!ok && store.open(&why)) {
      store.markInterrupted(machine_, processAlive);
      ok = true;
      std::lock_guard ready(m_);
      localReady_ = true;
    }
    ok = ok && store.add(e, &why);
    setLocal(ok, why);
    lock.lock();
    if (ok) {
      queue_.pop_front();
      ++writtenGen_;
      outboxEmpty_ = false;
      written_.notify_all();
      send_.notify_all();
    } else {
      nextTry = std::chrono::steady_clock::now() + 3s;
      if (stop_) break;
    }
  }
}

void Recorder::sendLoop() {
  LocalStore outbox(path_);
  ClassDb server(classUrl_);
  auto backoff = 1s;
  std::unique_lock lock(m_);
  while (!stopSender_) {
    const qint64 seen = writtenGen_;
    const bool ready = localReady_;
    lock.unlock();
    QString why;
    std::vector<LocalStore::Pending> batch;
    if (ready && (outbox.isOpen() || outbox.open(&why))) batch = outbox.unsent(200, &why);
    if (!why.isEmpty()) {
      // The outbox could not be read (the writer holds the file a moment too long): that is not
      // an empty outbox. Read again shortly; nothing is said sent meanwhile.
      lock.lock();
      send_.wait_for(lock, 200ms, [this] { return stopSender_; });
      continue;
    }
    bool failed = false;
    if (!batch.empty()) {
      std::vector<Event> events;
      events.reserve(batch.size());
      for (const auto& p : batch) events.push_back(p.event);
      // Marked sent only after the server's commit: a failure between the two sends them again,
      // and the server skips what it has.
      if (server.send(events) && outbox.markSent(batch.back().number, &why)) {
        setServer(ServerProblem::None, {});
        backoff = 1s;
      } else {
        failed = true;
        setServer(server.problem(), server.why());
      }
    } else if (!server.connected() && !server.connect()) {
      failed = true;  // said at once, not only when the first event waits
      setServer(server.problem(), server.why());
    } else {
      setServer(ServerProblem::None, {});
    }
    lock.lock();
    if (failed) {
      send_.wait_for(lock, backoff, [this] { return stopSender_; });
      backoff = std::min<std::chrono::seconds>(backoff * 2, 30s);
    } else if (batch.empty() && seen == writtenGen_) {
      if (ready) {  // before the file is open there is no outbox to call empty
        outboxEmpty_ = true;
        written_.notify_all();
      }
      send_.wait_for(lock, 2s, [this, seen] { return stopSender_ || writtenGen_ != seen; });
    }
  }
}

}  // namespace record
