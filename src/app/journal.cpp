// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <numeric>
#include <utility>

#ifndef LUMEQ_VERSION
#define LUMEQ_VERSION ""
#endif

namespace journal {

int WindowEntry::wrongTotal() const { return std::accumulate(wrong.cbegin(), wrong.cend(), 0); }

namespace {
template <class F>
int sum(const std::vector<WindowEntry>& windows, F f) {
  int n = 0;
  for (const auto& w : windows) n += f(w);
  return n;
}
}  // namespace

int WorkEntry::wrongTotal() const {
  return sum(windows, [](const WindowEntry& w) { return w.wrongTotal(); });
}
int WorkEntry::formatErrors() const {
  return sum(windows, [](const WindowEntry& w) { return w.formatErrors; });
}
int WorkEntry::regenerations() const {
  return sum(windows, [](const WindowEntry& w) { return w.regenerations; });
}

qint64 WorkEntry::durationMs(qint64 nowTick) const {
  return std::max<qint64>(0, (ended.isValid() ? endedTick : nowTick) - startedTick);
}

Journal::Journal(Clock clock) : clock_(std::move(clock)) {
  if (!clock_.wall) clock_.wall = [] { return QDateTime::currentDateTime(); };
  if (!clock_.steady) {
    steady_.start();
    clock_.steady = [this] { return steady_.elapsed(); };
  }
  newRecord();
}

void Journal::newRecord() {
  // Not from the draws' generator: a scripted or seeded run must draw the same data.
  runId_ = QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1u << 24), 6, 16, QLatin1Char('0'));
  started_ = clock_.wall();
  works_.clear();
  active_.clear();
  noted_ = {};
  draws_.clear();
  ended_ = false;
  if (sink_) tellStart();
}

void Journal::setSink(std::function<void(record::Event)> sink) {
  sink_ = std::move(sink);
  if (sink_) tellStart();
}

void Journal::tellStart() const {
  record::Event e = event(record::kind::RunStarted);
  e.wall = started_;
  e.detail = QStringLiteral(LUMEQ_VERSION);
  e.amount = QCoreApplication::applicationPid();
  tell(std::move(e));
}

record::Event Journal::event(const QString& kind, const QString& form) const {
  record::Event e;
  e.kind = kind;
  e.run = runId_;
  e.wall = clock_.wall();
  e.steadyMs = clock_.steady();
  e.work = running() || (!works_.empty() && kind == record::kind::WorkEnded) ? static_cast<int>(works_.size()) : 0;
  e.form = form;
  return e;
}

void Journal::tell(record::Event e) const {
  if (sink_) sink_(std::move(e));
}

void Journal::noteStudent(const Student& student) {
  const Student now{student.name.trimmed(), student.group.trimmed()};
  if (now.name == noted_.name && now.group == noted_.group) return;
  noted_ = now;
  record::Event e = event(record::kind::Student);
  e.work = 0;
  e.text = now.name;
  e.detail = now.group;
  tell(std::move(e));
}

void Journal::noteEnd() {
  programClosing();
  if (std::exchange(ended_, true)) return;
  record::Event e = event(record::kind::RunEnded);
  e.work = 0;
  tell(std::move(e));
}

WorkEntry* Journal::current() { return running() ? &works_.back() : nullptr; }

WindowEntry& Journal::window(WorkEntry& work, const QString& form) {
  auto it =
      std::find_if(work.windows.begin(), work.windows.end(), [&](const WindowEntry& w) { return w.form == form; });
  if (it != work.windows.end()) return *it;
  work.windows.emplace_back().form = form;
  return work.windows.back();
}

void Journal::workStarted(const QString& section, const QString& firstForm) {
  programClosing();  // a work left open behind the new one ends as at exit
  WorkEntry w;
  w.section = section;
  w.firstForm = firstForm;
  w.started = clock_.wall();
  w.startedTick = clock_.steady();
  works_.push_back(std::move(w));
  record::Event e = event(record::kind::WorkStarted, firstForm);
  e.detail = section;
  tell(std::move(e));
}

void Journal::drawn(const QString& form, qint64 seed, const QString& taken, const QString& fingerprint) {
  record::Event e = event(record::kind::Drawn, form);
  e.seed = seed;
  e.detail = taken;
  e.text = fingerprint;
  e.amount = ++draws_[form];
  tell(std::move(e));
}

void Journal::windowReached(const QString& form, const QString& caption, const QString& workTitle) {
  WorkEntry* work = current();
  if (!work || form == active_) return;
  stopActive();
  WindowEntry& w = window(*work, form);
  if (w.caption.isEmpty()) w.caption = caption;
  if (work->title.isEmpty() && form == work->firstForm) work->title = workTitle;
  active_ = form;
  activeSince_ = clock_.steady();
  record::Event e = event(record::kind::WindowReached, form);
  e.text = caption;
  tell(std::move(e));
}

void Journal::windowLeft(const QString& form) {
  if (form == active_) stopActive();
}

void Journal::stopActive() {
  if (active_.isEmpty()) return;
  if (WorkEntry* work = current()) {
    const qint64 ms = std::max<qint64>(0, clock_.steady() - activeSince_);
    window(*work, active_).activeMs += ms;
    record::Event e = event(record::kind::WindowTime, active_);
    e.amount = ms;
    tell(std::move(e));
  }
  active_.clear();
}

void Journal::answer(const QString& form, Host::AnswerEvent what, int field, const QString& typed) {
  WorkEntry* work = current();
  if (!work) return;
  WindowEntry& w = window(*work, form);
  QString kind;
  switch (what) {
    case Host::AnswerEvent::Accepted:
      ++w.accepted;
      kind = record::kind::Accepted;
      break;
    case Host::AnswerEvent::Wrong:
      ++w.wrong[field];
      kind = record::kind::Wrong;
      break;
    case Host::AnswerEvent::BadFormat:
      ++w.formatErrors;
      kind = record::kind::Malformed;
      break;
    case Host::AnswerEvent::Regenerated:
      ++w.regenerations;
      kind = record::kind::Regenerated;
      break;
    case Host::AnswerEvent::WindowDone:
    case Host::AnswerEvent::WorkDone:
      return;
  }
  record::Event e = event(kind, form);
  e.field = field;
  e.text = typed;
  tell(std::move(e));
}

void Journal::workCompleted() {
  WorkEntry* work = current();
  if (!work || work->outcome == Outcome::Completed) return;
  work->outcome = Outcome::Completed;
  tell(event(record::kind::WorkCompleted, work->firstForm));
}

void Journal::workLeft() {
  WorkEntry* work = current();
  if (!work) return;
  end(work->outcome == Outcome::Completed ? Outcome::Completed : Outcome::Left);
}

void Journal::programClosing() {
  WorkEntry* work = current();
  if (!work) return;
  end(work->outcome == Outcome::Completed ? Outcome::Completed : Outcome::Unfinished);
}

void Journal::end(Outcome outcome) {
  stopActive();
  WorkEntry& work = works_.back();
  work.outcome = outcome;
  work.ended = clock_.wall();
  work.endedTick = clock_.steady();
  record::Event e = event(record::kind::WorkEnded, work.firstForm);
  e.text = outcome == Outcome::Completed ? QStringLiteral("completed")
           : outcome == Outcome::Left    ? QStringLiteral("left")
                                         : QStringLiteral("unfinished");
  tell(std::move(e));
}

}  // namespace journal
