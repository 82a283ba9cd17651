// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window drawn again from the record: the draw a student saw (its seed and what it took from
// earlier windows), found in the events of a run, and the record checked against its own data
// by replaying each of its windows unseen and passing every accepted answer through the
// window's own rule.
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "framework/draw.h"
#include "record/event.h"

class ExperimentWindow;
class WindowRegistry;

namespace replay {

// RUN:FORM or RUN:FORM#n, the run's code as the journal shows it and the window's name.
struct Target {
  QString run;
  QString form;
  int n = 1;  // the window's n-th draw in the run (after regenerations and repeated runs)
  QString text() const;
};
std::optional<Target> parseTarget(const QString& text);

// What was typed into the draw's boxes, in order.
struct Typed {
  QString kind;  // record::kind::Accepted, Wrong or Malformed
  int field = -1;
  QString text;
  QDateTime wall;
};

struct Plan {
  Target target;
  Draw draw;
  QString fingerprint;  // as recorded
  QString version;      // the program version that made the record
  QString student, group;
  QDateTime wall;  // when it was drawn
  std::vector<Typed> typed;
};

// The target's draw among one run's events (in their order). Nothing, with *why in the
// running language, when the run holds no such draw.
std::optional<Plan> find(const std::vector<record::Event>& run, const Target& t, QString* why);

// Every draw of the run, in order (for the teacher's list).
std::vector<Plan> draws(const std::vector<record::Event>& run);

// The run's events from the store the teacher's view reads (the class database or a machine's
// file). Nothing, with *why, when the store cannot be read.
std::optional<std::vector<record::Event>> readRun(const QString& localPath, const QString& classUrl,
                                                  const QString& run, QString* why);

// A typed answer as this program reads it, whatever decimal separator the student's system had.
QString inLocalSeparator(QString typed);

struct Finding {
  QString form;
  int n = 1;       // the draw
  int field = -1;  // the answer box (0-based); -1: the draw's data
  QString what;    // in the running language
};

struct Verdict {
  enum class Status { Verified, NotVerified, OtherVersion, Nothing } status = Status::Nothing;
  QString version;  // the record's, for OtherVersion
  int drawsChecked = 0;
  int answersChecked = 0;
  std::vector<Finding> findings;
  // "Проверено: 4 окна, 9 ответов" / "Не проверено: Form1_2 (выборка 1), поле 2: …".
  QString text() const;
};

// A window made from a draw and never shown: its trace run to the end at once, nothing recorded,
// no other window to read from (a replayed draw brings what it took).
class Unseen {
 public:
  Unseen(const WindowRegistry& windows, const QString& form, const Draw& draw);
  ~Unseen();
  Unseen(const Unseen&) = delete;
  Unseen& operator=(const Unseen&) = delete;
  ExperimentWindow* window() const { return window_.get(); }
  // Runs what the window's timer would start (its trace, a trace after an answer) to its end.
  void settle();
  // Types text into box `field` (opened if the student reached it by a way the record does not
  // replay) and presses Enter: whether the window accepted it (it may move on to its next run
  // at once, so the answer is judged by what it reports).
  bool enter(int field, const QString& text);

 private:
  class Host;
  std::unique_ptr<Host> host_;
  std::unique_ptr<ExperimentWindow> window_;
};

// Replays every draw of the run's events unseen, with the windows of `windows`; with firstForm,
// only the draws of that work's windows.
Verdict verify(const std::vector<record::Event>& run, const WindowRegistry& windows, const QString& firstForm = {});
// The draws of one work's windows (all when firstForm is empty).
std::vector<Plan> drawsOfWork(const std::vector<record::Event>& run, const WindowRegistry& windows,
                              const QString& firstForm);

}  // namespace replay
