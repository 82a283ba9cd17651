// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: what it asks of the run, or the text to print instead of starting.
#include <QString>
#include <QStringList>
#include <optional>

#include "i18n/language.h"

namespace options {

struct Options {
  std::optional<language::Language> language;  // --lang ru|en
  std::optional<QString> journalPdf;           // --journal-pdf PATH
  std::optional<QString> student;              // --student NAME
  std::optional<QString> group;                // --group GROUP
  std::optional<QString> journalDb;            // --journal-db PATH
  std::optional<QString> classDb;              // --class-db URL
  bool teacher = false;                        // --teacher: the teacher's window instead of the works
  std::optional<QString> exportCsv;            // --export-csv PATH (with --teacher)
  std::optional<QString> replay;               // --replay RUN:FORM[#n]
};

enum class Action {
  Run,            // start the program with the options
  Help,           // print the help and exit
  Version,        // print the version and exit
  ListRuns,       // print the runs of the record (--list-runs) and exit
  ClassDbInit,    // apply the schema to the class database (--class-db-init URL) and exit
  TeacherExport,  // write the class table as CSV (--teacher --export-csv PATH) and exit
  Refuse,         // an unknown option or a missing or wrong value: print why and exit with Refused
};

inline constexpr int Refused = 2;  // the exit code of a refused command line

struct CommandLine {
  Action action = Action::Run;
  Options options;  // what could be read, whatever the action
  QString text;     // the help, the version, or why the line is refused with the usage line
  QString initUrl;  // ClassDbInit: the database
};

// arguments as QCoreApplication::arguments() gives them, the program first. The texts are in
// the running language.
CommandLine parse(const QStringList& arguments);

}  // namespace options
