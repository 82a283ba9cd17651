// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "journal_file.h"
#include "journal_print.h"
#include "main_window.h"

#ifndef LUMEQ_VERSION
#define LUMEQ_VERSION ""
#endif

journal::ReportHeader journalHeader(const journal::Journal& journal, const journal::Student& student) {
  return {Main::Caption, QStringLiteral(LUMEQ_VERSION), journal.now(), student, journal.runId()};
}

QString journalPdfTitle(const journal::Student& student) {
  return QCoreApplication::translate("Journal", "Журнал лабораторных работ: %1").arg(journal::pageHeader(student));
}

JournalDialog::JournalDialog(const journal::Journal& journal, journal::Student& student, JournalDialogServices services,
                             QWidget* parent)
    : QDialog(parent), journal_(journal), student_(student), services_(std::move(services)) {
  setObjectName(QStringLiteral("JournalDialog"));
  setWindowTitle(tr("Журнал"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(800, 600);

  StudentName = new QLineEdit(student_.name, this);
  StudentName->setObjectName(QStringLiteral("StudentName"));
  StudentGroup = new QLineEdit(student_.group, this);
  StudentGroup->setObjectName(QStringLiteral("StudentGroup"));
  // A pasted page of text is cut to a name's length, and the field says how long one may be.
  StudentName->setMaxLength(journal::NameMaxLength);
  StudentGroup->setMaxLength(journal::GroupMaxLength);
  StudentName->setPlaceholderText(tr("не длиннее %1 знаков").arg(journal::NameMaxLength));
  StudentGroup->setPlaceholderText(tr("не длиннее %1 знаков").arg(journal::GroupMaxLength));
  StudentName->setToolTip(tr("Фамилия и имя, не длиннее %1 знаков").arg(journal::NameMaxLength));
  StudentGroup->setToolTip(tr("Группа, не длиннее %1 знаков").arg(journal::GroupMaxLength));
  auto* form = new QFormLayout;
  form->addRow(tr("Фамилия и имя:"), StudentName);
  form->addRow(tr("Группа:"), StudentGroup);

  JournalText = new QTextBrowser(this);
  JournalText->setObjectName(QStringLiteral("JournalText"));
  JournalText->setReadOnly(true);
  JournalText->setOpenLinks(false);

  auto* buttons = new QDialogButtonBox(this);
  auto* print = buttons->addButton(tr("Печать…"), QDialogButtonBox::ActionRole);
  print->setObjectName(QStringLiteral("BPrint"));
  auto* save = buttons->addButton(tr("Сохранить PDF…"), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("BSavePdf"));
  auto* next = buttons->addButton(tr("Новый студент…"), QDialogButtonBox::ActionRole);
  next->setObjectName(QStringLiteral("BNewStudent"));
  auto* close = buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("BCloseJournal"));
  // Enter in the name or group box must not start printing.
  for (auto* b : {print, save, next, close}) b->setAutoDefault(false);
  connect(next, &QPushButton::clicked, this, [this] { guarded("NewStudentClick", [this] { newStudentClick(); }); });
  connect(print, &QPushButton::clicked, this, [this] { guarded("PrintClick", [this] { printClick(); }); });
  connect(save, &QPushButton::clicked, this, [this] { guarded("SavePdfClick", [this] { savePdfClick(); }); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(JournalText, 1);
  layout->addWidget(buttons);

  // Name and group stay for the rest of the run, and the report follows them as typed: only
  // its header changes, so a key costs the same with a thousand works as with one.
  const auto edited = [this] {
    student_.name = StudentName->text();
    student_.group = StudentGroup->text();
    journal::updateStudent(*JournalText->document(), student_);
  };
  connect(StudentName, &QLineEdit::textChanged, this, edited);
  connect(StudentGroup, &QLineEdit::textChanged, this, edited);
  refresh();
}

void JournalDialog::refresh() {
  journal::fillDocument(*JournalText->document(), journal_, journalHeader(journal_, student_));
}

void JournalDialog::printClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(journalPdfTitle(student_));
  const bool go = services_.askPrinter ? services_.askPrinter(printer, this) : [&] {
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  }();
  if (!go) return;
  if (!journal::printDocument(document(), printer, student_) && services_.inform)
    services_.inform(tr("Не удалось напечатать журнал."));
}

void JournalDialog::savePdfClick() { savePdf(); }

bool JournalDialog::savePdf() {
  const QString base = journal::fileNameSafe(student_.name);
  const QString suggested = QDir::home().filePath(base.isEmpty() ? tr("журнал.pdf") : tr("журнал_%1.pdf").arg(base));
  const QString path = services_.askPdfPath
                           ? services_.askPdfPath(this, suggested)
                           : QFileDialog::getSaveFileName(this, tr("Сохранить журнал"), suggested, tr("PDF (*.pdf)"));
  if (path.isEmpty()) return false;
  QString why;
  if (journal::writePdf(document(), path, student_, journalPdfTitle(student_), &why)) return true;
  if (services_.inform) {
    QString text = tr("Не удалось записать файл журнала:\n\r%1").arg(QDir::toNativeSeparators(path));
    if (!why.isEmpty()) text += QStringLiteral("\n\r(%1)").arg(why);
    if (QFileInfo::exists(path)) text += QStringLiteral("\n\r") + tr("Прежний файл остался как был.");
    services_.inform(text);
  }
  return false;
}

void JournalDialog::newStudentClick() {
  const bool empty =
      journal_.works().empty() && student_.name.trimmed().isEmpty() && student_.group.trimmed().isEmpty();
  QString question = tr("Начать журнал нового студента?");
  if (!empty)
    question +=
        QStringLiteral("\n\r") + tr("Журнал «%1» будет сначала записан в файл.").arg(journal::pageHeader(student_));
  if (!services_.confirm || !services_.confirm(question)) return;
  if (!empty) {
    // The record goes out first: to the lab's file when there is one, else where the student
    // saves it. Cancelled or failed, the record stays as it was.
    const std::optional<bool> written = services_.writeRecord ? services_.writeRecord() : std::nullopt;
    if (written ? !*written : !savePdf()) return;
  }
  if (services_.newRecord) services_.newRecord();
  for (QLineEdit* e : {StudentName, StudentGroup}) {
    const QSignalBlocker quiet(e);
    e->clear();
  }
  refresh();
}

const QTextDocument& JournalDialog::document() const { return *JournalText->document(); }
