// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PostgreSQL the tests of the class database run against: LUMEQ_TEST_PG_URL (an
// administrator's URI, as .ci/run exports it), else the throwaway cluster the suite starts
// itself (scripts/pg_cluster.sh into the build folder). Without either the tests skip and say why.
#include <QString>
#include <gtest/gtest.h>

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

// A test on a fresh schema, with the URIs of the administrator and of the two roles.
class FreshSchemaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    admin = adminUrl(&why);
    if (admin.isEmpty()) GTEST_SKIP() << "no PostgreSQL: " << qPrintable(why);
    ASSERT_TRUE(freshSchema(&why)) << why.toStdString();
    student = urlFor(admin, QStringLiteral("lumeq_student"), QStringLiteral("student"));
    teacher = urlFor(admin, QStringLiteral("lumeq_teacher"), QStringLiteral("teacher"));
  }
  QString admin, student, teacher, why;
};

}  // namespace pgtest

#define LUMEQ_NEED_PG(url)                                                    \
  QString url;                                                                \
  {                                                                           \
    QString why_;                                                             \
    url = pgtest::adminUrl(&why_);                                            \
    if (url.isEmpty()) GTEST_SKIP() << "no PostgreSQL: " << qPrintable(why_); \
  }
