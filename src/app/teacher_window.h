// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's window: the class by works, live while the students play, filtered by group,
// dates and section, sorted by any column; a cell opens that student's record of the work.
#include <QWidget>
#include <memory>
#include <vector>

#include "teacher_data.h"

class QComboBox;
class QDialog;
class QVBoxLayout;
class QDateEdit;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class TeacherFeed;
class TeacherModel;

class TeacherWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TeacherWindow(const teacher::Source& source, QWidget* parent = nullptr);
  ~TeacherWindow() override;

  TeacherModel* model() const { return model_; }
  QTableView* view() const { return view_; }
  // The line that says what is wrong with the store, empty when nothing is.
  QString problem() const;

  // That student's record of the work, as the journal writes it (a view index or a model's).
  void openRecord(const QModelIndex& index);

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void retranslate();
  void applyFilter();
  void fillGroups();
  void fillSections();
  void addDraws(QDialog* dialog, QVBoxLayout* layout, const std::vector<record::Event>& events,
                const QString& firstForm);
  // Every record the filter shows checked against its seeds (replay::verify), cell by cell.
  void checkRecords();
  void printClass();
  void saveClassPdf();
  void saveCsv();

  TeacherModel* model_;
  QSortFilterProxyModel* proxy_;
  QTableView* view_;
  QComboBox* group_;
  QComboBox* section_;
  QDateEdit* from_;
  QDateEdit* to_;
  QLabel *groupLabel_, *sectionLabel_, *fromLabel_, *toLabel_, *problem_, *checked_;
  QPushButton *check_, *print_, *pdf_, *csv_;
  std::unique_ptr<TeacherFeed> feed_;
};
