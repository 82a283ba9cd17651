#include "journal.h"

#include <QRegularExpression>
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

QString workTitle(const QString& firstCaption) {
  static const QRegularExpression experiment(QStringLiteral("\\.\\s*Опыт №\\s*\\d+(\\.\\d+)?\\s*$"));
  // The stability and astatism windows name their section in the caption already.
  static const QRegularExpression lab(QStringLiteral("(Лаб №\\s*\\d+)\\.\\d+\\s*$"));
  QString t = firstCaption.trimmed();
  if (const auto m = lab.match(t); m.hasMatch()) return m.captured(1);
  return t.remove(experiment);
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
