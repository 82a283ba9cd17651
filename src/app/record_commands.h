// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record's commands for lab scripts and the administrator: --list-runs and --class-db-init.
#include <QString>

#include "main_options.h"

namespace record_commands {

// The SQLite file the record is kept in: --journal-db, else the program's data folder.
QString localPath(const options::Options& o);

// One line per run, tab-separated: code, start (ISO 8601), student, group, works started, works
// completed, and how the run ended (closed, interrupted, open). From --class-db when given, else
// the machine's file. Returns the exit code; *out gets the lines, *err why nothing could be read.
int listRuns(const options::Options& o, QString* out, QString* err);

// Applies the schema to the class database. Returns the exit code; *out or *err says what was done.
int classDbInit(const QString& url, QString* out, QString* err);

}  // namespace record_commands
