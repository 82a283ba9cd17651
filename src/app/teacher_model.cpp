// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_model.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <set>

#include "teacher_data.h"

namespace {

// Words gathered into lines of about `width` characters: a column stays narrow, its name whole.
QString wrapped(const QString& text, int width) {
  QString out, line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
      out += line + QLatin1Char('\n');
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  return out + line;
}

}  // namespace

TeacherModel::TeacherModel(std::vector<record::WorkColumn> works, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(works)) {
  int section = 0, work = 0;
  QString last;
  for (const record::WorkColumn& w : table_.works()) {
    if (w.section != last) {
      last = w.section;
      ++section;
      work = 0;
    }
    headers_.push_back(wrapped(QStringLiteral("%1.%2 %3").arg(section).arg(++work).arg(w.title), 16));
  }
  rebuild();
}

void TeacherModel::rebuild() {
  shownRows_.clear();
  shownWorks_.clear();
  viewRowOf_.assign(table_.rows().size(), -1);
  for (int r = 0; r < int(table_.rows().size()); ++r)
    if (filter_.accepts(table_.rows()[r])) {
      viewRowOf_[r] = int(shownRows_.size());
      shownRows_.push_back(r);
    }
  for (int w = 0; w < int(table_.works().size()); ++w)
    if (filter_.shows(table_.works()[w])) shownWorks_.push_back(w);
}

void TeacherModel::setFilter(const record::ClassFilter& filter) {
  beginResetModel();
  filter_ = filter;
  rebuild();
  endResetModel();
}

void TeacherModel::take(const std::vector<std::pair<qint64, record::Event>>& events) {
  if (events.empty()) return;
  const size_t before = table_.rows().size();
  std::set<int> touched;
  bool studentNamed = false;
  for (const auto& [n, e] : events) {
    const int r = table_.add(n, e);
    if (events_.size() < table_.rows().size()) events_.resize(table_.rows().size());
    if (r >= 0) {
      touched.insert(r);
      events_[r].push_back(e);
      for (int w = 0; w < int(table_.works().size()); ++w) checks_.remove(qint64(r) * 4096 + w);
    }
    studentNamed = studentNamed || e.kind == record::kind::Student;
  }
  // A row's group (what the filter reads) changed, or rows came: which rows show may change.
  bool membership = false;
  for (int r : touched) {
    const bool shows = filter_.accepts(table_.rows()[r]);
    const bool shown = r < int(before) && viewRowOf_[r] >= 0;
    if (r < int(before) && shows != shown) membership = true;
  }
  if (membership) {
    beginResetModel();
    rebuild();
    endResetModel();
  } else {
    std::vector<int> added;
    for (size_t r = before; r < table_.rows().size(); ++r)
      if (filter_.accepts(table_.rows()[r])) added.push_back(int(r));
    viewRowOf_.resize(table_.rows().size(), -1);
    if (!added.empty()) {
      const int first = int(shownRows_.size());
      beginInsertRows({}, first, first + int(added.size()) - 1);
      for (int r : added) {
        viewRowOf_[r] = int(shownRows_.size());
        shownRows_.push_back(r);
      }
      endInsertRows();
    }
    for (int r : touched)
      if (r < int(before) && viewRowOf_[r] >= 0)
        emit dataChanged(index(viewRowOf_[r], 0), index(viewRowOf_[r], columnCount() - 1));
    const int summary = int(shownRows_.size());
    emit dataChanged(index(summary, 0), index(summary, columnCount() - 1));
  }
  if (studentNamed && int(table_.groups().size()) != groupCount_) {
    groupCount_ = int(table_.groups().size());
    emit groupsChanged();
  }
}

int TeacherModel::studentAt(int row) const { return row >= 0 && row < int(shownRows_.size()) ? shownRows_[row] : -1; }

int TeacherModel::workAt(int column) const {
  const int w = column - FirstWork;
  return w >= 0 && w < int(shownWorks_.size()) ? shownWorks_[w] : -1;
}

int TeacherModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(shownRows_.size()) + 1;
}

int TeacherModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : FirstWork + int(shownWorks_.size());
}

QString TeacherModel::symbol(record::CellStatus s) {
  switch (s) {
    case record::CellStatus::Completed:
      return QStringLiteral("✔");
    case record::CellStatus::InProgress:
      return QStringLiteral("▶");
    case record::CellStatus::Left:
      return QStringLiteral("↩");
    case record::CellStatus::Interrupted:
      return QStringLiteral("✖");
    case record::CellStatus::NotStarted:
      break;
  }
  return QStringLiteral("·");
}

QString TeacherModel::statusText(record::CellStatus s) {
  switch (s) {
    case record::CellStatus::Completed:
      return tr("выполнена");
    case record::CellStatus::InProgress:
      return tr("выполняется");
    case record::CellStatus::Left:
      return tr("оставлена");
    case record::CellStatus::Interrupted:
      return tr("прервана");
    case record::CellStatus::NotStarted:
      break;
  }
  return tr("не начата");
}

QString TeacherModel::minutesText(qint64 ms) {
  return tr("%1 мин").arg(QLocale().toString(double(ms) / 60000.0, 'f', 1));
}

QVariant TeacherModel::cellData(const record::Cell& c, int role) const {
  using record::CellStatus;
  switch (role) {
    case Qt::DisplayRole:
      if (c.status == CellStatus::NotStarted) return symbol(c.status);
      return QStringLiteral("%1 %2 · %3").arg(symbol(c.status)).arg(c.wrong).arg(minutesText(c.ms));
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
      if (c.status == CellStatus::NotStarted) return statusText(c.status);
      return tr("%1; неверных ответов: %2, ошибок формата: %3, смен данных: %4; %5")
          .arg(statusText(c.status))
          .arg(c.wrong)
          .arg(c.formatErrors)
          .arg(c.regenerations)
          .arg(minutesText(c.ms));
    case Qt::BackgroundRole:
      switch (c.status) {
        case CellStatus::Completed:
          return QBrush(QColor(0xc8, 0xee, 0xc8));
        case CellStatus::InProgress:
          return QBrush(QColor(0xff, 0xf0, 0xb0));
        case CellStatus::Left:
          return QBrush(QColor(0xe0, 0xe0, 0xe0));
        case CellStatus::Interrupted:
          return QBrush(QColor(0xf6, 0xc6, 0xc6));
        case CellStatus::NotStarted:
          return {};
      }
      return {};
    case Qt::ForegroundRole:
      return QBrush(Qt::black);
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    case SortRole:
      // Completed first, then by time; the rest by how far they went.
      return qint64(int(c.status)) * 1'000'000'000LL + c.ms;
  }
  return {};
}

QVariant TeacherModel::summaryData(int work, int role) const {
  const record::WorkSummary s = table_.summary(work, filter_);
  const QString median = s.medianMs ? minutesText(*s.medianMs) : QStringLiteral("—");
  switch (role) {
    case Qt::DisplayRole:
      return QStringLiteral("✔ %1/%2 · %3").arg(s.completed).arg(s.started).arg(median);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
      QString t = tr("Выполнили: %1 из %2 начавших; медиана времени: %3").arg(s.completed).arg(s.started).arg(median);
      if (!s.worstForm.isEmpty())
        t += QLatin1Char('\n') + tr("Больше всего неверных ответов: %1 (%2)").arg(s.worstCaption).arg(s.worstWrong);
      return t;
    }
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
  }
  return {};
}

QVariant TeacherModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const bool summary = index.row() == int(shownRows_.size());
  if (role == SummaryRole) return summary;
  if (summary) {
    if (index.column() == Name && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
      return tr("Итого по работе");
    if (role == Qt::FontRole) {
      QFont f;
      f.setBold(true);
      return f;
    }
    const int w = workAt(index.column());
    return w < 0 ? QVariant() : summaryData(w, role);
  }
  const record::StudentRow& row = table_.rows()[shownRows_[index.row()]];
  if (index.column() == Name || index.column() == Group) {
    if (role != Qt::DisplayRole && role != SortRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
      return {};
    if (index.column() == Group) return row.group;
    const QString name =
        row.name.trimmed().isEmpty() ? QCoreApplication::translate("journal", "(имя не указано)") : row.name.trimmed();
    if (role == Qt::ToolTipRole) return tr("%1 — запуск %2 на %3").arg(name, row.run, row.machine);
    return name;
  }
  const int w = workAt(index.column());
  if (w < 0) return {};
  const QVariant v = cellData(row.cells[w], role);
  const auto check = checks_.constFind(qint64(shownRows_[index.row()]) * 4096 + w);
  if (check == checks_.constEnd()) return v;
  if (role == Qt::DisplayRole && !check->verified) return QStringLiteral("⚠ ") + v.toString();
  if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) return v.toString() + QLatin1Char('\n') + check->text;
  return v;
}

void TeacherModel::markChecked(int tableRow, int work, bool verified, const QString& text) {
  checks_.insert(qint64(tableRow) * 4096 + work, {verified, text});
  if (tableRow < int(viewRowOf_.size()) && viewRowOf_[tableRow] >= 0)
    for (int c = FirstWork; c < columnCount(); ++c)
      if (workAt(c) == work) emit dataChanged(index(viewRowOf_[tableRow], c), index(viewRowOf_[tableRow], c));
}

QVariant TeacherModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  if (section == Name) return role == Qt::DisplayRole ? QVariant(tr("Студент")) : QVariant();
  if (section == Group) return role == Qt::DisplayRole ? QVariant(tr("Группа")) : QVariant();
  const int w = workAt(section);
  if (w < 0) return {};
  const record::WorkColumn& work = table_.works()[w];
  if (role == Qt::DisplayRole) return headers_[w];
  if (role == Qt::ToolTipRole) return teacher::workName(work);
  return {};
}
