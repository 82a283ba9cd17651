// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The teacher's side of the record without a window: the works as the program declares them,
// the class read from a store into a table, and the table as CSV for a gradebook.
#include <QString>
#include <vector>

#include "main_options.h"
#include "record/class_reader.h"
#include "record/class_table.h"

namespace teacher {

// Every work of the program in the menu's order, named in the running language.
std::vector<record::WorkColumn> programWorks();

// The store the options name: --class-db, else --journal-db, else the settings' class database,
// else the machine's file in the program's data folder. Empty url: the file.
struct Source {
  QString localPath;
  QString classUrl;
};
Source sourceOf(const options::Options& o);

// What to say when the store cannot be read, in the running language.
QString problemText(const record::ClassReader& reader);

// Reads every event the reader has now into the table. False on failure.
bool readAll(record::ClassReader& reader, record::ClassTable& table);

// name,group,work,status,wrong_answers,format_errors,regenerations,minutes,started,ended,run:
// a header line, then one line per student and work shown by the filter (UTF-8, RFC 4180).
QByteArray csv(const record::ClassTable& table, const record::ClassFilter& filter = {});

// --teacher --export-csv PATH: the class of the store the options name, written to path.
// Returns the exit code; *err says why nothing was written.
int exportCsv(const options::Options& o, const QString& path, QString* err);

// "Типовые динамические звенья. Интегрирующее звено", or the section alone when they agree.
QString workName(const record::WorkColumn& w);

}  // namespace teacher
