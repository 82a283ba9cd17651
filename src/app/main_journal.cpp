// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the journal: what it records of the works, the journal dialog
// of the start screen and the PDF written at exit for the lab's set-up.
#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <utility>

#include "journal_file.h"
#include "journal_print.h"
#include "main_window.h"
#include "program.h"

namespace {

// The caption of the section button that leads to a work's first window.
QString sectionOf(const QString& form) {
  QString panel;
  for (const auto& w : workButtons())
    if (w.form == form) panel = w.panel;
  for (const auto& s : sectionButtons())
    if ((!panel.isEmpty() && s.panel == panel) || (panel.isEmpty() && s.form == form)) return s.caption;
  return {};
}

}  // namespace

void Main::recordWorkStart(const QString& firstForm) {
  journal_.noteStudent(student_);
  journal_.workStarted(sectionOf(firstForm), firstForm);
}

void Main::report(const QString& form, AnswerEvent event, int field) {
  // A work is complete when its completed flag is set, or when the last window of its chain
  // is answered in full (the stability works end so without setting the flag).
  reportTyped(form, event, field, {});
}

void Main::BJournalClick() {
  if (journalDialog_) {
    journalDialog_->refresh();
    journalDialog_->raise();
    journalDialog_->activateWindow();
    return;
  }
  JournalDialogServices s = services_.journal;
  if (!s.inform) s.inform = [this](const QString& text) { messages().info(text); };
  if (!s.confirm) s.confirm = [this](const QString& text) { return messages().confirm(text); };
  s.writeRecord = [this]() -> std::optional<bool> {
    if (journalPdf_.isEmpty()) return std::nullopt;
    return writeJournalPdf();
  };
  s.newRecord = [this] { newJournalRecord(); };
  journalDialog_ = new JournalDialog(journal_, student_, s, this);
  connect(journalDialog_, &QDialog::finished, this, [this] {
    showStudent();
    journal_.noteStudent(student_);
  });
  journalDialog_->open();
}

void Main::applyOptions(const options::Options& o) {
  if (o.student) student_.name = o.student->trimmed().left(journal::NameMaxLength);
  if (o.group) student_.group = o.group->trimmed().left(journal::GroupMaxLength);
  if (o.journalPdf) setJournalPdf(*o.journalPdf);
  showStudent();
  journal_.noteStudent(student_);
}

bool Main::setJournalPdf(const QString& path) {
  journalPdf_.clear();
  if (path.trimmed().isEmpty()) {
    messages().info(tr("После --journal-pdf не указан файл: журнал при выходе записан не будет."));
    return false;
  }
  // The folder is checked with the fields as they are now; the name may change later.
  const QString now = journal::expandPath(path, journal_.started(), journal_.runId(), student_.name);
  if (!journal::canWritePdf(now)) {
    messages().info(tr("Журнал не может быть записан в файл\n\r%1\n\rПроверьте путь и права на запись: при выходе "
                       "из программы журнал в этот файл записан не будет.")
                        .arg(QDir::toNativeSeparators(QFileInfo(now).absoluteFilePath())));
    return false;
  }
  journalPdf_ = QFileInfo(path).absoluteFilePath();  // the folder the program was started in
  return true;
}

bool Main::writeJournalPdf() {
  if (journalPdf_.isEmpty()) return false;
  const QString path = QFileInfo(journal::expandPath(journalPdf_, journal_.started(), journal_.runId(), student_.name))
                           .absoluteFilePath();
  QTextDocument doc;
  journal::fillDocument(doc, journal_, journalHeader(journal_, student_));
  const QString title = journalPdfTitle(student_);
  const auto native = [](const QString& p) { return QDir::toNativeSeparators(p); };
  const journal::WriteResult r = journal::writeRecord(doc, path, journalPdfOwn_, student_, title);
  if (r.ok) {
    if (r.path != path)
      messages().info(tr("В файле\n\r%1\n\rуже записан журнал другого запуска. Этот журнал записан в файл\n\r%2")
                          .arg(native(path), native(r.path)));
    journalPdfOwn_ = r.path;
    return true;
  }
  // The folder may have gone since the start (removed, a link left dangling): the record
  // goes where the user will find it rather than nowhere.
  if (const QString folder = journal::fallbackFolder(); !folder.isEmpty()) {
    const journal::WriteResult f =
        journal::writeRecord(doc, QDir(folder).filePath(QFileInfo(path).fileName()), journalPdfOwn_, student_, title);
    if (f.ok) {
      messages().info(tr("Не удалось записать журнал в файл\n\r%1\n\r(%2).\n\rЖурнал записан в файл\n\r%3")
                          .arg(native(path), r.error, native(f.path)));
      journalPdfOwn_ = f.path;
      return true;
    }
  }
  messages().info(tr("Не удалось записать журнал в файл\n\r%1").arg(native(path)) +
                  QStringLiteral("\n\r(%1)").arg(r.error));
  return false;
}

void Main::newJournalRecord() {
  journal_.noteStudent(student_);
  journal_.noteEnd();  // a work left open ends with its student's record
  journal_.newRecord();
  student_ = {};
  showStudent();
  journalPdfOwn_.clear();
}

void Main::writeJournalAtExit() {
  journal_.noteStudent(student_);
  journal_.noteEnd();
  if (std::exchange(journalClosed_, true)) return;  // once, however often close is asked
  writeJournalPdf();
}
