// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

#include "record/class_db.h"

namespace pgtest {

namespace {

QString defaultDir() { return QStringLiteral(LUMEQ_BUILD_DIR "/pg"); }

}  // namespace

QString clusterDir() {
  if (!qEnvironmentVariable("LUMEQ_TEST_PG_URL").isEmpty()) return qEnvironmentVariable("LUMEQ_TEST_PG_DIR");
  return defaultDir();
}

bool cluster(const QString& command) {
  const QString dir = clusterDir();
  if (dir.isEmpty()) return false;
  QProcess p;
  p.start(QStringLiteral(LUMEQ_PROJECT_DIR "/scripts/pg_cluster.sh"), {command, dir});
  return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QString adminUrl(QString* why) {
  static QString url, reason;
  static bool tried = false;
  if (!tried) {
    tried = true;
    url = qEnvironmentVariable("LUMEQ_TEST_PG_URL");
    if (url.isEmpty()) {
      QFile f(defaultDir() + QStringLiteral("/url"));
      if (f.open(QIODevice::ReadOnly)) url = QString::fromUtf8(f.readAll()).trimmed();
      if (url.isEmpty()) reason = QStringLiteral("LUMEQ_TEST_PG_URL not set and no cluster in %1").arg(defaultDir());
    }
  }
  if (why) *why = reason;
  return url;
}

QString urlFor(const QString& admin, const QString& role, const QString& password) {
  QUrl u(admin);
  u.setUserName(role);
  u.setPassword(password);
  return u.toString(QUrl::FullyEncoded);
}

bool adminExec(const QString& sql, QString* why) {
  record::ClassDb db(adminUrl(nullptr));
  if (!db.connect() && db.problem() != record::ServerProblem::Schema) {
    if (why) *why = db.why();
    return false;
  }
  if (!db.connected()) {  // no schema yet: connect() closed the connection, init opens it
    QSqlDatabase d = db.db();
    if (!d.open()) {
      if (why) *why = d.lastError().text();
      return false;
    }
  }
  QSqlQuery q(db.db());
  if (q.exec(sql)) return true;
  if (why) *why = q.lastError().text();
  return false;
}

bool freshSchema(QString* why) {
  if (!adminExec(QStringLiteral("SET client_min_messages = warning; DROP SCHEMA IF EXISTS lumeq CASCADE"), why))
    return false;
  record::ClassDb db(adminUrl(nullptr));
  if (!db.init()) {
    if (why) *why = db.why();
    return false;
  }
  return adminExec(QStringLiteral("ALTER ROLE lumeq_student PASSWORD 'student'; ALTER ROLE lumeq_teacher PASSWORD "
                                  "'teacher'"),
                   why);
}

}  // namespace pgtest
