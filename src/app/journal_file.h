// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the lab's copy of a record goes: the fields of a `--journal-pdf` path, a file of
// another run never overwritten, and a place of its own when the folder asked for is gone.
#include <QDateTime>
#include <QString>

#include "journal.h"

class QTextDocument;

namespace journal {

// The path with its fields filled in: "%d" the date and time the record was started
// (2026-12-09_10-00-00), "%r" the record's run id, "%n" the student's name made fit for a
// file name, "%%" a percent sign. Any other "%" stays as it is.
QString expandPath(const QString& pattern, const QDateTime& started, const QString& runId, const QString& name);
// The text with the characters a file system refuses (and spaces) as "_"; empty stays empty.
QString fileNameSafe(const QString& text);
// "journal.pdf", 2 -> "journal-2.pdf".
QString numberedSibling(const QString& path, int n);

struct WriteResult {
  bool ok = false;
  QString path;   // where the record is now, when ok
  QString error;  // why not, when not ok
};

// Writes the record's PDF to path, but never over a file that this record did not write:
// `own` is the file the record wrote before (written again in place); a path that holds
// anything else (an earlier run's record, another program's, a dangling link) gives the first
// free numbered sibling, taken at once so that two programs never take the same one.
WriteResult writeRecord(const QTextDocument& doc, const QString& path, const QString& own, const Student& student,
                        const QString& title);
// The folder for a record whose own folder cannot take it: the user's documents, else the
// program's data folder (made when missing). Empty when neither exists or can be made.
QString fallbackFolder();

}  // namespace journal
