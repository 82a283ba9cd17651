// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal window of the start screen: the student's name and group, the report as it
// will be printed, and the buttons to print it or save it as PDF.
#include <QDialog>
#include <functional>
#include <optional>

#include "journal.h"
#include "journal_report.h"

class QLineEdit;
class QPrinter;
class QTextBrowser;
class QTextDocument;

struct JournalDialogServices {
  // The PDF file to write, given the suggested one; empty: the student cancelled.
  // Null: the standard save dialog.
  std::function<QString(QWidget* parent, const QString& suggested)> askPdfPath;
  // Sets the printer up and says whether to print. Null: the standard print dialog.
  std::function<bool(QPrinter& printer, QWidget* parent)> askPrinter;
  // Failures to print or save go here.
  std::function<void(const QString& text)> inform;
  // Yes/No questions (the new student's record); null: no.
  std::function<bool(const QString& text)> confirm;
  // Writes the record to the lab's file (--journal-pdf): whether it went somewhere, nothing
  // when no such file was asked for. Null: none asked for.
  std::function<std::optional<bool>()> writeRecord;
  // Ends the record and starts the next student's.
  std::function<void()> newRecord;
};

class JournalDialog : public QDialog {
  Q_OBJECT
 public:
  JournalDialog(const journal::Journal& journal, journal::Student& student, JournalDialogServices services,
                QWidget* parent = nullptr);

  // The document shown, printed and saved.
  const QTextDocument& document() const;
  void refresh();
  void printClick();
  void savePdfClick();
  // The next student at this machine: asks first, writes the record out (to the lab's file,
  // else where the student saves it), then starts an empty one.
  void newStudentClick();

 private:
  const journal::Journal& journal_;
  // Saves the document where the student says; false when cancelled or failed (said).
  bool savePdf();

  journal::Student& student_;
  JournalDialogServices services_;
  QLineEdit* StudentName;
  QLineEdit* StudentGroup;
  QTextBrowser* JournalText;
};

// The header of the report: this program, its version, now, the student.
journal::ReportHeader journalHeader(const journal::Journal& journal, const journal::Student& student);
// The title written into the PDF's properties.
QString journalPdfTitle(const journal::Student& student);
