// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One thing that happened in a run, as the record keeps it: a kind and the few fields that kind
// uses. The same value is written to the machine's SQLite file and sent to the class database;
// the readers (journal, teacher's view, replay) work from these rows.
#include <QDateTime>
#include <QString>
#include <QUuid>
#include <optional>

namespace record {

namespace kind {
inline const QString RunStarted = QStringLiteral("run_started");        // detail: version; amount: process id
inline const QString Student = QStringLiteral("student");               // text: name; detail: group
inline const QString WorkStarted = QStringLiteral("work_started");      // form: first window; detail: section
inline const QString WindowReached = QStringLiteral("window_reached");  // text: caption
inline const QString WindowTime = QStringLiteral("window_time");        // amount: ms the window was active
inline const QString Accepted = QStringLiteral("accepted");             // field (-1: a question), text as typed
inline const QString Wrong = QStringLiteral("wrong");                   // field, text as typed
inline const QString Malformed = QStringLiteral("malformed");           // field, text as typed
inline const QString Regenerated = QStringLiteral("regenerated");       // at the error limit
inline const QString Drawn = QStringLiteral("drawn");  // a window's data: seed; detail: what it took;
                                                       // text: fingerprint; amount: the form's n-th draw
inline const QString WorkCompleted = QStringLiteral("work_completed");  // the work's completed flag set
inline const QString WorkEnded = QStringLiteral("work_ended");          // text: completed | left | unfinished
inline const QString RunEnded = QStringLiteral("run_ended");            // the program closed or a new student
inline const QString Interrupted = QStringLiteral("interrupted");       // found without an end at a later start
}  // namespace kind

struct Event {
  QString kind;
  QString run;                     // the run's code, six hex digits
  QString machine;                 // the host the run is on
  QUuid id = QUuid::createUuid();  // the event's own key, made here, kept by every copy
  qint64 seq = 0;                  // order within the run (given by the recorder)
  QDateTime wall;                  // when, by the wall clock
  qint64 steadyMs = 0;             // when, by the run's steady clock
  int work = 0;                    // the work's number in the run (1, 2 …), 0 for the run's own
  QString form;                    // the window, Form1_2
  std::optional<int> field;        // the answer box (0-based), -1 a question answered by a button
  QString text;                    // as typed, a caption, a name, an outcome
  QString detail;                  // a group, a section, the version
  std::optional<qint64> amount;    // milliseconds, a process id
  std::optional<qint64> seed;      // the draw's seed, for a later replay
};

// One run as --list-runs shows it.
struct RunSummary {
  QString run, machine;
  QDateTime started;
  QString student, group;
  int worksStarted = 0;
  int worksCompleted = 0;
  enum class End { Open, Closed, Interrupted } end = End::Open;
};

// Gathers runs from events read in (run, machine, seq) order, only the kinds it needs.
class RunTally {
 public:
  void add(const Event& e);
  std::vector<RunSummary> runs() const;

 private:
  std::vector<RunSummary> runs_;
  std::vector<std::vector<int>> completed_;  // the works counted as completed, per run
};

// The kinds RunTally reads, for a query's IN list.
QStringList tallyKinds();

}  // namespace record
