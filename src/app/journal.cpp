// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include <algorithm>
#include <numeric>

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

qint64 WorkEntry::durationMs(const QDateTime& now) const {
  return std::max<qint64>(0, started.msecsTo(ended.isValid() ? ended : now));
}

namespace {
qsizetype spacesFrom(const QString& s, qsizetype i) {
  while (i < s.size() && s[i].isSpace()) ++i;
  return i;
}
qsizetype digitsFrom(const QString& s, qsizetype i) {
  while (i < s.size() && s[i].isDigit()) ++i;
  return i;
}
}  // namespace

QString workTitle(const QString& firstCaption) {
  const QString t = firstCaption.trimmed();
  // The stability and astatism windows name their section in the caption already:
  // "Астатизм САУ. Лаб №3.2" gives "Лаб №3" ("… Lab 3.2" in English gives "Lab 3").
  for (const QString& lab : {QStringLiteral("Лаб №"), QStringLiteral("Lab ")}) {
    if (const qsizetype at = t.lastIndexOf(lab); at >= 0) {
      const qsizetype from = spacesFrom(t, at + lab.size()), number = digitsFrom(t, from);
      if (number > from && number < t.size() && t[number] == QLatin1Char('.')) {
        const qsizetype window = digitsFrom(t, number + 1);
        if (window > number + 1 && window == t.size()) return t.mid(at, number - at);
      }
    }
  }
  // "…. Опыт №2" (or "№2.1"; "…. Experiment 2" in English) ends an experiment window's caption.
  for (const QString& experiment : {QStringLiteral("Опыт №"), QStringLiteral("Experiment ")}) {
    if (const qsizetype at = t.lastIndexOf(experiment); at >= 0) {
      const qsizetype from = spacesFrom(t, at + experiment.size());
      qsizetype end = digitsFrom(t, from);
      const bool numbered = end > from;
      if (numbered && end < t.size() && t[end] == QLatin1Char('.') && digitsFrom(t, end + 1) > end + 1)
        end = digitsFrom(t, end + 1);
      qsizetype dot = at;
      while (dot > 0 && t[dot - 1].isSpace()) --dot;
      if (numbered && end == t.size() && dot > 0 && t[dot - 1] == QLatin1Char('.')) return t.left(dot - 1);
    }
  }
  return t;
}

Journal::Journal(Clock clock) : clock_(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); })) {}

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
  w.started = clock_();
  works_.push_back(std::move(w));
}

void Journal::windowReached(const QString& form, const QString& caption) {
  WorkEntry* work = current();
  if (!work || form == active_) return;
  stopActive();
  WindowEntry& w = window(*work, form);
  if (w.caption.isEmpty()) w.caption = caption;
  if (work->title.isEmpty() && form == work->firstForm) work->title = workTitle(caption);
  active_ = form;
  activeSince_ = clock_();
}

void Journal::windowLeft(const QString& form) {
  if (form == active_) stopActive();
}

void Journal::stopActive() {
  if (active_.isEmpty()) return;
  if (WorkEntry* work = current())
    window(*work, active_).activeMs += std::max<qint64>(0, activeSince_.msecsTo(clock_()));
  active_.clear();
}

void Journal::answer(const QString& form, Host::AnswerEvent event, int field) {
  WorkEntry* work = current();
  if (!work) return;
  WindowEntry& w = window(*work, form);
  switch (event) {
    case Host::AnswerEvent::Accepted:
      ++w.accepted;
      break;
    case Host::AnswerEvent::Wrong:
      ++w.wrong[field];
      break;
    case Host::AnswerEvent::BadFormat:
      ++w.formatErrors;
      break;
    case Host::AnswerEvent::Regenerated:
      ++w.regenerations;
      break;
    case Host::AnswerEvent::WindowDone:
    case Host::AnswerEvent::WorkDone:
      break;
  }
}

void Journal::workCompleted() {
  if (WorkEntry* work = current()) work->outcome = Outcome::Completed;
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
  work.ended = clock_();
}

}  // namespace journal
