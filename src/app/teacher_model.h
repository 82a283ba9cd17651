// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class table for a view: students by works as the filter shows them, and a last row with
// each work's summary. The table itself (record::ClassTable) is owned here and fed by take().
#include <QAbstractTableModel>
#include <QHash>
#include <vector>

#include "record/class_table.h"

class TeacherModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { Name = 0, Group = 1, FirstWork = 2 };
  static constexpr int SortRole = Qt::UserRole;
  static constexpr int SummaryRole = Qt::UserRole + 1;  // true on the summary row

  explicit TeacherModel(std::vector<record::WorkColumn> works, QObject* parent = nullptr);

  // New events from the store: the cells they touch change, a new student's row is added.
  void take(const std::vector<std::pair<qint64, record::Event>>& events);
  void setFilter(const record::ClassFilter& filter);
  const record::ClassFilter& filter() const { return filter_; }
  const record::ClassTable& table() const { return table_; }

  // The student row and the work behind an index of this model; -1 when none.
  int studentAt(int row) const;
  int workAt(int column) const;
  // What checking a cell's record against its seeds found: a cell not verified shows "⚠" before
  // its symbol, and what was found in its tooltip. New events of the row forget its marks.
  void markChecked(int tableRow, int work, bool verified, const QString& text);
  // Every event of a table row's run, in order: the drill-down replays them.
  const std::vector<record::Event>& eventsOf(int tableRow) const { return events_[tableRow]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // "✔" completed, "…" in progress, "←" left, "✖" interrupted, "·" not started, and its word.
  static QString symbol(record::CellStatus s);
  static QString statusText(record::CellStatus s);
  static QString minutesText(qint64 ms);

 signals:
  void groupsChanged();

 private:
  void rebuild();
  QVariant cellData(const record::Cell& c, int role) const;
  QVariant summaryData(int work, int role) const;

  record::ClassTable table_;
  std::vector<QString> headers_;  // "2.1 Non-minimum-phase …", wrapped: section number, work number, name
  record::ClassFilter filter_;
  std::vector<std::vector<record::Event>> events_;  // per table row
  std::vector<int> shownRows_;                      // table rows the filter shows, in the table's order
  std::vector<int> shownWorks_;                     // table columns the filter shows
  std::vector<int> viewRowOf_;                      // table row -> shown row, -1 when hidden
  int groupCount_ = 0;
  struct Check {
    bool verified = false;
    QString text;
  };
  QHash<qint64, Check> checks_;  // by table row * 4096 + work
};
