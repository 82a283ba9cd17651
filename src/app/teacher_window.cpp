// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "journal_print.h"
#include "main_window.h"
#include "program.h"
#include "replay.h"
#include "teacher_feed.h"
#include "teacher_model.h"
#include "teacher_report.h"

namespace {

// The summary row stays last whichever way a column is sorted.
class SummaryLastProxy : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
    const bool sa = a.data(TeacherModel::SummaryRole).toBool(), sb = b.data(TeacherModel::SummaryRole).toBool();
    if (sa || sb) return sortOrder() == Qt::AscendingOrder ? sb && !sa : sa && !sb;
    return QSortFilterProxyModel::lessThan(a, b);
  }
};

// Enter on a cell opens it as a double click does.
class ClassView : public QTableView {
 public:
  std::function<void(const QModelIndex&)> open;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentIndex().isValid() && open) {
      open(currentIndex());
      return;
    }
    QTableView::keyPressEvent(e);
  }
};

const QDate NoDate(2000, 1, 1);  // the date edits' "any" end

}  // namespace

TeacherWindow::TeacherWindow(const teacher::Source& source, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TeacherWindow"));
  model_ = new TeacherModel(teacher::programWorks(), this);
  proxy_ = new SummaryLastProxy(this);
  proxy_->setSourceModel(model_);
  proxy_->setSortRole(TeacherModel::SortRole);
  auto* view = new ClassView;
  view->open = [this](const QModelIndex& i) { openRecord(i); };
  view_ = view;
  view_->setObjectName(QStringLiteral("ClassTable"));
  view_->setModel(proxy_);
  view_->sortByColumn(TeacherModel::Name, Qt::AscendingOrder);
  view_->setSortingEnabled(true);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setTabKeyNavigation(false);
  view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view_->horizontalHeader()->setDefaultSectionSize(110);
  view_->verticalHeader()->hide();
  connect(view_, &QTableView::doubleClicked, this, &TeacherWindow::openRecord);

  group_ = new QComboBox;
  group_->setObjectName(QStringLiteral("GroupFilter"));
  section_ = new QComboBox;
  section_->setObjectName(QStringLiteral("SectionFilter"));
  from_ = new QDateEdit;
  to_ = new QDateEdit;
  for (QDateEdit* d : {from_, to_}) {
    d->setCalendarPopup(true);
    d->setMinimumDate(NoDate);
    d->setDate(NoDate);
  }
  from_->setObjectName(QStringLiteral("FromDate"));
  to_->setObjectName(QStringLiteral("ToDate"));
  groupLabel_ = new QLabel;
  sectionLabel_ = new QLabel;
  fromLabel_ = new QLabel;
  toLabel_ = new QLabel;
  groupLabel_->setBuddy(group_);
  sectionLabel_->setBuddy(section_);
  fromLabel_->setBuddy(from_);
  toLabel_->setBuddy(to_);
  check_ = new QPushButton;
  check_->setObjectName(QStringLiteral("CheckRecords"));
  checked_ = new QLabel;
  checked_->setObjectName(QStringLiteral("CheckSummary"));
  checked_->hide();
  print_ = new QPushButton;
  pdf_ = new QPushButton;
  csv_ = new QPushButton;
  print_->setObjectName(QStringLiteral("PrintClass"));
  pdf_->setObjectName(QStringLiteral("ClassPdf"));
  csv_->setObjectName(QStringLiteral("ClassCsv"));
  problem_ = new QLabel;
  problem_->setObjectName(QStringLiteral("RecordProblem"));
  problem_->setStyleSheet(QStringLiteral("color: #800000"));
  problem_->setWordWrap(true);
  problem_->hide();

  auto* filters = new QHBoxLayout;
  for (QWidget* w :
       std::initializer_list<QWidget*>{groupLabel_, group_, sectionLabel_, section_, fromLabel_, from_, toLabel_, to_})
    filters->addWidget(w);
  filters->addStretch();
  filters->addWidget(check_);
  filters->addWidget(print_);
  filters->addWidget(pdf_);
  filters->addWidget(csv_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(problem_);
  layout->addWidget(checked_);
  layout->addWidget(view_, 1);

  connect(group_, &QComboBox::currentIndexChanged, this, &TeacherWindow::applyFilter);
  connect(section_, &QComboBox::currentIndexChanged, this, &TeacherWindow::applyFilter);
  connect(from_, &QDateEdit::dateChanged, this, &TeacherWindow::applyFilter);
  connect(to_, &QDateEdit::dateChanged, this, &TeacherWindow::applyFilter);
  connect(check_, &QPushButton::clicked, this, &TeacherWindow::checkRecords);
  connect(print_, &QPushButton::clicked, this, &TeacherWindow::printClass);
  connect(pdf_, &QPushButton::clicked, this, &TeacherWindow::saveClassPdf);
  connect(csv_, &QPushButton::clicked, this, &TeacherWindow::saveCsv);
  connect(model_, &TeacherModel::groupsChanged, this, &TeacherWindow::fillGroups);

  retranslate();
  // Each work's column as wide as its longest word in the header; the header is wrapped already.
  view_->resizeColumnsToContents();
  resize(1100, 600);

  feed_ = std::make_unique<TeacherFeed>(source.localPath, source.classUrl);
  connect(feed_.get(), &TeacherFeed::arrived, model_, &TeacherModel::take);
  connect(feed_.get(), &TeacherFeed::failed, this, [this](const QString& why) {
    problem_->setText(why);
    problem_->setVisible(!why.isEmpty());
  });
  feed_->start();
}

TeacherWindow::~TeacherWindow() = default;

QString TeacherWindow::problem() const { return problem_->isHidden() ? QString() : problem_->text(); }

void TeacherWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(e);
}

void TeacherWindow::retranslate() {
  setWindowTitle(tr("Класс по работам"));
  groupLabel_->setText(tr("&Группа:"));
  sectionLabel_->setText(tr("&Раздел:"));
  fromLabel_->setText(tr("&С:"));
  toLabel_->setText(tr("&По:"));
  for (QDateEdit* d : {from_, to_}) d->setSpecialValueText(tr("любая дата"));
  check_->setText(tr("Про&верить записи"));
  print_->setText(tr("&Печать…"));
  pdf_->setText(tr("P&DF…"));
  csv_->setText(tr("&CSV…"));
  check_->setMinimumWidth(check_->sizeHint().width() + 16);
  view_->setAccessibleName(tr("Студенты по работам"));
  group_->setAccessibleName(tr("Группа"));
  section_->setAccessibleName(tr("Раздел"));
  from_->setAccessibleName(tr("Запуски с даты"));
  to_->setAccessibleName(tr("Запуски по дату"));
  check_->setAccessibleName(tr("Проверить записи по их начальным числам"));
  print_->setAccessibleName(tr("Печать таблицы класса"));
  pdf_->setAccessibleName(tr("Таблица класса в PDF"));
  csv_->setAccessibleName(tr("Таблица класса в CSV"));
  fillGroups();
  fillSections();
  view_->resizeColumnsToContents();
}

void TeacherWindow::fillGroups() {
  const QString current = group_->currentData().toString();
  const QSignalBlocker block(group_);
  group_->clear();
  group_->addItem(tr("все группы"), QString());
  for (const QString& g : model_->table().groups()) group_->addItem(g, g);
  group_->setCurrentIndex(std::max(0, group_->findData(current)));
}

void TeacherWindow::fillSections() {
  const QString current = section_->currentData().toString();
  const QSignalBlocker block(section_);
  section_->clear();
  section_->addItem(tr("все разделы"), QString());
  for (const record::WorkColumn& w : model_->table().works())
    if (section_->findData(w.section) < 0) section_->addItem(w.section, w.section);
  section_->setCurrentIndex(std::max(0, section_->findData(current)));
}

void TeacherWindow::applyFilter() {
  record::ClassFilter f;
  f.group = group_->currentData().toString();
  f.section = section_->currentData().toString();
  if (from_->date() != NoDate) f.from = from_->date();
  if (to_->date() != NoDate) f.to = to_->date();
  model_->setFilter(f);
}

void TeacherWindow::openRecord(const QModelIndex& index) {
  const QModelIndex i = index.model() == proxy_ ? proxy_->mapToSource(index) : index;
  const int row = model_->studentAt(i.row()), work = model_->workAt(i.column());
  if (row < 0 || work < 0) return;
  const record::StudentRow& student = model_->table().rows()[row];
  const auto replayed = teacher::replay(model_->eventsOf(row), model_->table().works()[work].firstForm, student);
  auto* dialog = new QDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setObjectName(QStringLiteral("StudentRecord"));
  dialog->setWindowTitle(tr("Запись студента: %1").arg(teacher::workName(model_->table().works()[work])));
  auto* text = new QTextBrowser(dialog);
  text->setAccessibleName(tr("Запись студента по работе"));
  journal::fillDocument(*text->document(), replayed->journal, replayed->header);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QPushButton* print = buttons->addButton(tr("&Печать…"), QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  const journal::Student who{student.name, student.group};
  connect(print, &QPushButton::clicked, dialog, [text, who, dialog] {
    QPrinter printer;
    QPrintDialog ask(&printer, dialog);
    if (ask.exec() == QDialog::Accepted) journal::printDocument(*text->document(), printer, who);
  });
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(text);
  addDraws(dialog, layout, model_->eventsOf(row), model_->table().works()[work].firstForm);
  layout->addWidget(buttons);
  dialog->resize(760, 640);
  dialog->show();
}

void TeacherWindow::addDraws(QDialog* dialog, QVBoxLayout* layout, const std::vector<record::Event>& events,
                             const QString& firstForm) {
  // The record checked against its own data: each window drawn again from its seed, unseen,
  // and every accepted answer put to the window's own rule.
  const replay::Verdict verdict = replay::verify(events, programWindows(), firstForm);
  auto* check = new QLabel(verdict.text(), dialog);
  check->setObjectName(QStringLiteral("RecordCheck"));
  check->setWordWrap(true);
  check->setStyleSheet(verdict.status == replay::Verdict::Status::NotVerified ? QStringLiteral("color: #800000")
                                                                              : QString());
  layout->addWidget(check);

  // Each window as the student saw it, drawn again in a trainer window of its own.
  const std::vector<replay::Plan> draws = replay::drawsOfWork(events, programWindows(), firstForm);
  if (draws.empty()) return;
  auto* list = new QListWidget(dialog);
  list->setObjectName(QStringLiteral("RecordDraws"));
  list->setAccessibleName(tr("Окна работы, как их видел студент"));
  for (const replay::Plan& p : draws)
    list->addItem(tr("%1 %2, выборка %3 — %4")
                      .arg(p.target.form, model_->table().caption(p.target.form))
                      .arg(p.target.n)
                      .arg(p.wall.toLocalTime().toString(QStringLiteral("HH:mm:ss"))));
  list->setCurrentRow(0);
  list->setMaximumHeight(110);
  auto* open = new QPushButton(tr("&Открыть как видел студент"), dialog);
  open->setObjectName(QStringLiteral("OpenAsSeen"));
  const auto show = [list, draws] {
    const int i = list->currentRow();
    if (i < 0 || i >= static_cast<int>(draws.size())) return;
    auto* trainer = new Main;
    trainer->setAttribute(Qt::WA_DeleteOnClose);
    trainer->show();
    trainer->openReplay(draws[i]);
  };
  connect(open, &QPushButton::clicked, dialog, show);
  connect(list, &QListWidget::itemActivated, dialog, show);
  layout->addWidget(list);
  layout->addWidget(open);
}

void TeacherWindow::checkRecords() {
  std::vector<std::pair<int, int>> cells;  // table row, work
  for (int v = 0; v + 1 < model_->rowCount(); ++v)
    for (int c = TeacherModel::FirstWork; c < model_->columnCount(); ++c) {
      const int r = model_->studentAt(v), w = model_->workAt(c);
      if (r >= 0 && w >= 0 && model_->table().rows()[r].cells[w].status != record::CellStatus::NotStarted)
        cells.emplace_back(r, w);
    }
  QProgressDialog progress(tr("Записи проверяются…"), tr("Отмена"), 0, int(cells.size()), this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  int checked = 0, failed = 0;
  for (std::size_t i = 0; i < cells.size() && !progress.wasCanceled(); ++i) {
    progress.setValue(int(i));
    const auto [r, w] = cells[i];
    const replay::Verdict v =
        replay::verify(model_->eventsOf(r), programWindows(), model_->table().works()[w].firstForm);
    if (v.status == replay::Verdict::Status::Nothing) continue;
    model_->markChecked(r, w, v.status != replay::Verdict::Status::NotVerified, v.text());
    ++checked;
    if (v.status == replay::Verdict::Status::NotVerified) ++failed;
  }
  progress.setValue(int(cells.size()));
  checked_->setText(failed ? tr("Записей проверено: %1; не проверено: %2 (отмечены ⚠, подробности в подсказке).")
                                 .arg(checked)
                                 .arg(failed)
                           : tr("Записей проверено: %1; все сходятся со своими данными.").arg(checked));
  checked_->setStyleSheet(failed ? QStringLiteral("color: #800000") : QString());
  checked_->show();
}

void TeacherWindow::printClass() {
  QTextDocument doc;
  teacher::fillClassDocument(doc, *model_);
  QPrinter printer;
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog ask(&printer, this);
  if (ask.exec() == QDialog::Accepted) journal::printDocument(doc, printer, {tr("Класс"), model_->filter().group});
}

void TeacherWindow::saveClassPdf() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Таблица класса в PDF"), QString(), tr("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  QTextDocument doc;
  teacher::fillClassDocument(doc, *model_);
  QString why;
  if (!journal::writePdf(doc, path, {tr("Класс"), model_->filter().group}, windowTitle(), &why)) {
    problem_->setText(tr("PDF не записан: %1").arg(why));
    problem_->show();
  }
}

void TeacherWindow::saveCsv() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Таблица класса в CSV"), QString(), tr("CSV (*.csv)"));
  if (path.isEmpty()) return;
  QSaveFile file(path);
  const QByteArray bytes = teacher::csv(model_->table(), model_->filter());
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    problem_->setText(tr("Файл не записан: %1").arg(file.errorString()));
    problem_->show();
  }
}
