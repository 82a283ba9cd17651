// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class at a glance, built from the record's events: a row per run (run code + machine,
// the student named in it) and a cell per work, with how the work stands, its errors and time.
// Events are taken in as they come (each with the order number of the store it was read
// from), so a view that follows the store only hands over what is new.
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

#include "record/event.h"

namespace record {

// A work as the table shows it: known by its first window, which the record names.
struct WorkColumn {
  QString firstForm;  // Form1_1
  QString section;    // the section's caption, as shown
  QString title;      // the work's own name, as shown
};

enum class CellStatus { NotStarted, InProgress, Completed, Left, Interrupted };

struct Cell {
  CellStatus status = CellStatus::NotStarted;
  int wrong = 0;
  int formatErrors = 0;
  int regenerations = 0;
  qint64 ms = 0;      // time in the work, every attempt of the run together
  QDateTime started;  // the first attempt's start
  QDateTime ended;    // the last attempt's end, invalid while one runs or none ended
  QHash<QString, int> wrongByForm;
};

struct StudentRow {
  QString run, machine;
  QString name, group;
  QDateTime started;
  bool closed = false, interrupted = false;
  std::vector<Cell> cells;  // one per column
};

struct ClassFilter {
  QString group;    // empty: every group
  QDate from, to;   // the run's start date within [from, to]; an invalid end is open
  QString section;  // empty: every section
  bool accepts(const StudentRow& row) const;
  bool shows(const WorkColumn& work) const { return section.isEmpty() || work.section == section; }
};

struct WorkSummary {
  int started = 0;
  int completed = 0;
  std::optional<qint64> medianMs;  // of the completed cells
  QString worstForm;               // the window with the most wrong answers, empty when none
  QString worstCaption;
  int worstWrong = 0;
};

class ClassTable {
 public:
  explicit ClassTable(std::vector<WorkColumn> works);

  // One event read from the store, `number` its order there. Returns the row it touched
  // (-1: none, e.g. a work the table has no column for). A row is added with a run's first event.
  int add(qint64 number, const Event& e);
  // The highest order number taken in: the next read starts after it.
  qint64 lastNumber() const { return last_; }

  const std::vector<WorkColumn>& works() const { return works_; }
  const std::vector<StudentRow>& rows() const { return rows_; }
  // The window's caption as the record saw it first (the form itself when never reached).
  QString caption(const QString& form) const { return captions_.value(form, form); }
  QStringList groups() const;
  WorkSummary summary(int column, const ClassFilter& filter) const;

 private:
  struct Attempt {
    int column = -1;
    qint64 startTick = 0, lastTick = 0, endTick = 0;
    bool ended = false, completed = false;
    QString outcome;  // completed | left | unfinished
  };
  void refresh(int row, int column);

  std::vector<WorkColumn> works_;
  QHash<QString, int> columnOf_;
  std::vector<StudentRow> rows_;
  std::vector<QHash<int, Attempt>> attempts_;  // per row: by the work's number in the run
  QHash<QString, int> rowOf_;                  // run + machine
  QHash<QString, QString> captions_;
  qint64 last_ = 0;
};

// The status as a CSV or a script writes it: completed, in_progress, left, interrupted, not_started.
QString statusCode(CellStatus s);

}  // namespace record
