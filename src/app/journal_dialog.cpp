// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "journal_print.h"
#include "main_window.h"

#ifndef LUMEQ_VERSION
#define LUMEQ_VERSION ""
#endif

journal::ReportHeader journalHeader(const journal::Journal& journal, const journal::Student& student) {
  return {Main::Caption, QStringLiteral(LUMEQ_VERSION), journal.now(), student};
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
  auto* close = buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("BCloseJournal"));
  // Enter in the name or group box must not start printing.
  for (auto* b : {print, save, close}) b->setAutoDefault(false);
  connect(print, &QPushButton::clicked, this, [this] { guarded("PrintClick", [this] { printClick(); }); });
  connect(save, &QPushButton::clicked, this, [this] { guarded("SavePdfClick", [this] { savePdfClick(); }); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(JournalText, 1);
  layout->addWidget(buttons);

  // Name and group stay for the rest of the run, and the report follows them as typed.
  const auto edited = [this] {
    student_.name = StudentName->text();
    student_.group = StudentGroup->text();
    refresh();
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
  if (!journal::printDocument(document(), printer, journal::pageHeader(student_)) && services_.inform)
    services_.inform(tr("Не удалось напечатать журнал."));
}

void JournalDialog::savePdfClick() {
  // A file name from the student's name, without the characters a file system refuses.
  static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\s]+"));
  QString base = student_.name.trimmed();
  base.replace(unsafe, QStringLiteral("_"));
  const QString suggested = QDir::home().filePath(base.isEmpty() ? tr("журнал.pdf") : tr("журнал_%1.pdf").arg(base));
  const QString path = services_.askPdfPath
                           ? services_.askPdfPath(this, suggested)
                           : QFileDialog::getSaveFileName(this, tr("Сохранить журнал"), suggested, tr("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  if (!journal::writePdf(document(), path, journal::pageHeader(student_), journalPdfTitle(student_)) &&
      services_.inform)
    services_.inform(tr("Не удалось записать файл журнала:\n\r%1").arg(QDir::toNativeSeparators(path)));
}

const QTextDocument& JournalDialog::document() const { return *JournalText->document(); }
