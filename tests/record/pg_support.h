// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PostgreSQL the tests of the class database run against: LUMEQ_TEST_PG_URL (an
// administrator's URI, as .ci/run exports it), else the throwaway cluster the suite starts
// itself (scripts/pg_cluster.sh into the build folder). Without either the tests skip and say why.
#include <QString>

namespace pgtest {

// The administrator's URI, or empty with *why.
QString adminUrl(QString* why);
// The cluster's folder when it is the throwaway one (it can be stopped and started), else empty.
QString clusterDir();
// A URI for role:password on the same server and database.
QString urlFor(const QString& admin, const QString& role, const QString& password);
// Runs scripts/pg_cluster.sh start|stop on the throwaway cluster; false when it cannot.
bool cluster(const QString& command);
// Runs one statement as the administrator (no values from outside in it).
bool adminExec(const QString& sql, QString* why = nullptr);
// A fresh schema with the student's password set: drops what an earlier run left.
bool freshSchema(QString* why);

}  // namespace pgtest

#define LUMEQ_NEED_PG(url)                                                    \
  QString url;                                                                \
  {                                                                           \
    QString why_;                                                             \
    url = pgtest::adminUrl(&why_);                                            \
    if (url.isEmpty()) GTEST_SKIP() << "no PostgreSQL: " << qPrintable(why_); \
  }
