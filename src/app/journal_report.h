// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal as the teacher reads it: one rich-text document (header, a table of the works,
// then each work's windows in order) that the dialog shows, the printer prints and the PDF
// holds.
#include <QDateTime>
#include <QLocale>
#include <QString>

#include "journal.h"

class QFontMetricsF;
class QTextDocument;

namespace journal {

struct ReportHeader {
  QString program;
  QString version;
  QDateTime date;
  Student student;
  QString runId;
};

QString reportHtml(const Journal& journal, const ReportHeader& header, const QLocale& locale = QLocale());
// Fills doc with the report in the journal's own font.
void fillDocument(QTextDocument& doc, const Journal& journal, const ReportHeader& header,
                  const QLocale& locale = QLocale());
// Puts another name and group into a document fillDocument made, touching nothing else (the
// dialog follows the typing so, however long the record).
void updateStudent(QTextDocument& doc, const Student& student);
// Dates are written in the report's language (the running one) whatever the system locale;
// numbers and the time of day keep the locale's form.
QLocale dateLocale(const QLocale& locale = QLocale());

QString outcomeText(Outcome outcome);
// "45 с", "3 мин 05 с", "1 ч 02 мин", the numbers as the locale writes them.
QString durationText(qint64 ms, const QLocale& locale = QLocale());
// The line at the top of every printed page: whose record it is.
QString pageHeader(const Student& student);
// The same line fitted to width: a long name is elided, the group stays whole.
QString pageHeader(const Student& student, const QFontMetricsF& metrics, qreal width);

}  // namespace journal
