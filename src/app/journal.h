// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of one run for the teacher: every work started, the windows reached in it and
// how the answers went there, and how the work ended. Kept in memory only; the journal
// dialog shows it and writes it out when asked.
#include <QDateTime>
#include <QMap>
#include <QString>
#include <functional>
#include <vector>

#include "framework/host.h"

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
  QString section;
  QString title;
  QString firstForm;
  QDateTime started;
  QDateTime ended;  // invalid while running
  Outcome outcome = Outcome::Running;
  std::vector<WindowEntry> windows;  // in the order first reached

  int wrongTotal() const;
  int formatErrors() const;
  int regenerations() const;
  qint64 durationMs(const QDateTime& now) const;
};

// The student the record belongs to, as typed in the journal dialog.
struct Student {
  QString name;
  QString group;
};

// "Интегрирующее звено. Опыт №1" -> "Интегрирующее звено"; "Астатизм САУ. Лаб №2.1" ->
// "Лаб №2" (the section names the rest).
QString workTitle(const QString& firstCaption);

class Journal {
 public:
  using Clock = std::function<QDateTime()>;
  explicit Journal(Clock clock = {});

  // A work's first window is about to open. A work still running is closed as unfinished.
  void workStarted(const QString& section, const QString& firstForm);
  // A window of the running work became the active one (opened, or shown again by Back).
  void windowReached(const QString& form, const QString& caption);
  // The active window went away without another taking its place.
  void windowLeft(const QString& form);
  void answer(const QString& form, Host::AnswerEvent event, int field);
  void workCompleted();
  // Menu: a completed work stays completed; any other ends as left.
  void workLeft();
  // The program is closing.
  void programClosing();

  // A work is on screen (completed or not).
  bool running() const { return !works_.empty() && !works_.back().ended.isValid(); }
  const std::vector<WorkEntry>& works() const { return works_; }
  QDateTime now() const { return clock_(); }

 private:
  WorkEntry* current();
  WindowEntry& window(WorkEntry& work, const QString& form);
  void stopActive();
  void end(Outcome outcome);

  Clock clock_;
  std::vector<WorkEntry> works_;
  QString active_;  // the form whose time is running, empty if none
  QDateTime activeSince_;
};

}  // namespace journal
