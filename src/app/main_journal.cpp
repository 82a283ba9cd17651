// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the journal: what it records of the works, the journal dialog
// of the start screen and the PDF written at exit for the lab's set-up.
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextDocument>
#include <utility>

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

void Main::recordWorkStart(const QString& firstForm) { journal_.workStarted(sectionOf(firstForm), firstForm); }

void Main::report(const QString& form, AnswerEvent event, int field) {
  // A work is complete when its completed flag is set, or when the last window of its chain
  // is answered in full (the stability works end so without setting the flag).
  if (event == AnswerEvent::WorkDone || (event == AnswerEvent::WindowDone && !nextRowFrom(form)))
    journal_.workCompleted();
  else
    journal_.answer(form, event, field);
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
  journalDialog_ = new JournalDialog(journal_, student_, s, this);
  journalDialog_->open();
}

void Main::applyArguments(const QStringList& arguments) {
  QCommandLineParser options;
  const QCommandLineOption journalPdf(QStringLiteral("journal-pdf"), tr("Записать журнал работ в PDF-файл при выходе."),
                                      QStringLiteral("PATH"));
  options.addOption(journalPdf);
  const bool parsed = options.parse(arguments);
  if (options.isSet(journalPdf))
    setJournalPdf(options.value(journalPdf));
  else if (!parsed && arguments.contains(QStringLiteral("--journal-pdf")))
    setJournalPdf(QString());  // the option without its path
}

bool Main::setJournalPdf(const QString& path) {
  journalPdf_.clear();
  if (path.trimmed().isEmpty()) {
    messages().info(tr("После --journal-pdf не указан файл: журнал при выходе записан не будет."));
    return false;
  }
  if (!journal::canWritePdf(path)) {
    messages().info(tr("Журнал не может быть записан в файл\n\r%1\n\rПроверьте путь и права на запись: при выходе "
                       "из программы журнал в этот файл записан не будет.")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    return false;
  }
  journalPdf_ = QFileInfo(path).absoluteFilePath();  // the folder the program was started in
  return true;
}

void Main::writeJournalAtExit() {
  journal_.programClosing();
  if (journalPdf_.isEmpty()) return;
  const QString path = std::exchange(journalPdf_, QString());  // once, however often close is asked
  QTextDocument doc;
  journal::fillDocument(doc, journal_, journalHeader(journal_, student_));
  if (!journal::writePdf(doc, path, journal::pageHeader(student_), journalPdfTitle(student_)))
    messages().info(tr("Не удалось записать журнал в файл\n\r%1").arg(QDir::toNativeSeparators(path)));
}
