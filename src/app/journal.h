// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of one run for the teacher: every work started, the windows reached in it and
// how the answers went there, and how the work ended. Kept in memory only; the journal
// dialog shows it and writes it out when asked.
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

#include "framework/host.h"
#include "record/event.h"

namespace journal {

struct WindowEntry {
  QString form;     // Form1_2
  QString caption;  // as the window showed it when first reached
  int accepted = 0;
  QMap<int, int> wrong;  // field (0-based, -1 for a question answered with a button) -> count
  int formatErrors = 0;
  int regenerations = 0;
  qint64 activeMs = 0;  // time the window was the active one

  int wrongTotal() const;
};

enum class Outcome {
  Running,     // the work is on screen
  Completed,   // its completed flag was set (or its last window answered in full)
  Left,        // left through Menu, confirming that the results are dropped
  Unfinished,  // still open when the program was closed
};

struct WorkEntry {
  QString section;  // its section's caption as the program writes it, the Russian source
  QString title;    // as its first window named it, in the language running then
  QString firstForm;
  QDateTime started;  // wall clock, as shown
  QDateTime ended;    // invalid while running
  // The same moments on the journal's steady clock, which the durations are measured on: a
  // clock set forward or back mid-work does not change them.
  qint64 startedTick = 0;
  qint64 endedTick = 0;
  Outcome outcome = Outcome::Running;
  std::vector<WindowEntry> windows;  // in the order first reached

  int wrongTotal() const;
  int formatErrors() const;
  int regenerations() const;
  // nowTick: the journal's steady clock now (Journal::tick()), for a work still running.
  qint64 durationMs(qint64 nowTick) const;
};

// The student the record belongs to, as typed in the journal dialog.
struct Student {
  QString name;
  QString group;
};
// Longest name and group the dialog and the command line take; longer ones are cut there.
inline constexpr int NameMaxLength = 80;
inline constexpr int GroupMaxLength = 30;

// Time as the journal reads it: the wall clock for the times it shows, a steady clock
// (milliseconds from any start) for the durations. Either may be left null for the system's.
struct Clock {
  std::function<QDateTime()> wall;
  std::function<qint64()> steady;
};

class Journal {
 public:
  explicit Journal(Clock clock = {});
  Journal(const Journal&) = delete;  // its steady clock may be its own member
  Journal& operator=(const Journal&) = delete;

  // Drops the record and starts a new one under a new run id (the next student at the machine).
  void newRecord();
  // Six lowercase hex digits naming this record of this run, on the screen, in the PDF and
  // in its file name; a new one with every new record.
  const QString& runId() const { return runId_; }
  // When this record was started (wall clock).
  const QDateTime& started() const { return started_; }

  // A work's first window is about to open. A work still running is closed as unfinished.
  void workStarted(const QString& section, const QString& firstForm);
  // A window of the running work became the active one (opened, or shown again by Back). The
  // work takes the title its first window gives (WindowDeclaration::workTitle; none: the
  // report names the work by its section alone).
  void windowReached(const QString& form, const QString& caption, const QString& workTitle = {});
  // The active window went away without another taking its place.
  void windowLeft(const QString& form);
  // A window of the running work drew its data (the seed, what it took from other windows as
  // Draw::takenText, the fingerprint of its bands); numbered per window within the record.
  void drawn(const QString& form, qint64 seed, const QString& taken, const QString& fingerprint);
  // typed: the text as the student typed it (empty for a question answered with a button).
  void answer(const QString& form, Host::AnswerEvent event, int field, const QString& typed = {});
  void workCompleted();
  // Menu: a completed work stays completed; any other ends as left.
  void workLeft();
  // The program is closing.
  void programClosing();

  // Every change is also told to the sink as a record event (run, kind and fields; its order
  // and the machine are left to the recorder), the run's start at once.
  void setSink(std::function<void(record::Event)> sink);
  // The student's name and group as the record has them now: told to the sink when changed.
  void noteStudent(const Student& student);
  // The record ends (the program closes, or the next student's starts).
  void noteEnd();

  // A work is on screen (completed or not).
  bool running() const { return !works_.empty() && !works_.back().ended.isValid(); }
  const std::vector<WorkEntry>& works() const { return works_; }
  QDateTime now() const { return clock_.wall(); }
  qint64 tick() const { return clock_.steady(); }

 private:
  WorkEntry* current();
  WindowEntry& window(WorkEntry& work, const QString& form);
  void stopActive();
  void end(Outcome outcome);
  record::Event event(const QString& kind, const QString& form = {}) const;
  void tell(record::Event e) const;
  void tellStart() const;

  Clock clock_;
  QElapsedTimer steady_;  // the steady clock when none is given
  QString runId_;
  QDateTime started_;
  std::vector<WorkEntry> works_;
  QString active_;  // the form whose time is running, empty if none
  qint64 activeSince_ = 0;
  std::function<void(record::Event)> sink_;
  Student noted_;  // the student last told to the sink
  QHash<QString, int> draws_;  // draws of each window in this record
  bool ended_ = false;
};

}  // namespace journal
