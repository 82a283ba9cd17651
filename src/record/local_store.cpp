// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/local_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <atomic>

#include "record/columns.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace record {

bool processAlive(qint64 pid) {
#ifdef Q_OS_UNIX
  if (pid <= 0) return false;
  if (pid == ::getpid()) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
  (void)pid;
  return false;
#endif
}

QString defaultLocalPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QStringLiteral("record.sqlite"));
}

namespace {

QString connectionName() {
  static std::atomic<int> n{0};
  return QStringLiteral("lumeq-local-%1").arg(++n);
}

bool run(QSqlDatabase& db, const QString& sql, QString* why) {
  QSqlQuery q(db);
  if (q.exec(sql)) return true;
  if (why) *why = q.lastError().text();
  return false;
}

const char* const Schema[] = {
    "CREATE TABLE IF NOT EXISTS events ("
    " n INTEGER PRIMARY KEY AUTOINCREMENT,"
    " id TEXT NOT NULL UNIQUE, run TEXT NOT NULL, machine TEXT NOT NULL, seq INTEGER NOT NULL,"
    " kind TEXT NOT NULL, wall TEXT NOT NULL, steady_ms INTEGER, work INTEGER, form TEXT, field INTEGER,"
    " typed TEXT, detail TEXT, amount INTEGER, seed INTEGER)",
    "CREATE INDEX IF NOT EXISTS events_run ON events(run, machine, seq)",
    // How far the class database has the events: every n up to sent_upto is committed there.
    "CREATE TABLE IF NOT EXISTS outbox (one INTEGER PRIMARY KEY CHECK (one = 1), sent_upto INTEGER NOT NULL)",
    "INSERT OR IGNORE INTO outbox (one, sent_upto) VALUES (1, 0)",
    "PRAGMA user_version = 1",
};

}  // namespace

LocalStore::LocalStore(const QString& path) : path_(path), name_(connectionName()) {}

LocalStore::~LocalStore() {
  {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(name_);
}

bool LocalStore::open(QString* why) {
  if (open_) return true;
  const QFileInfo file(path_);
  if (!QDir().mkpath(file.absolutePath())) {
    if (why) *why = QStringLiteral("cannot make the folder %1").arg(file.absolutePath());
    return false;
  }
  QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                  : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
  db.setDatabaseName(file.absoluteFilePath());
  // Another connection (the sender, a second program) may hold the write lock for a moment.
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
  if (!db.open()) {
    if (why) *why = db.lastError().text();
    return false;
  }
  // WAL: the sender reads while the writer writes; FULL: a committed event survives a power cut.
  QSqlQuery mode(db);
  if (!mode.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !mode.next() ||
      mode.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
    if (why) *why = mode.lastError().isValid() ? mode.lastError().text() : QStringLiteral("no WAL journal here");
    db.close();
    return false;
  }
  mode.finish();
  if (!run(db, QStringLiteral("PRAGMA synchronous = FULL"), why)) return false;
  for (const char* sql : Schema)
    if (!run(db, QString::fromLatin1(sql), why)) {
      db.close();
      return false;
    }
  open_ = true;
  return true;
}

bool LocalStore::add(const Event& e, QString* why) {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  if (!open_ || !db.transaction()) {
    if (why) *why = db.lastError().text();
    return false;
  }
  QSqlQuery q(db);
  q.prepare(QStringLiteral("INSERT INTO events (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)").arg(columns::List));
  columns::bind(q, e);
  if (!q.exec()) {
    if (why) *why = q.lastError().text();
    q.finish();
    db.rollback();
    return false;
  }
  q.finish();
  if (!db.commit()) {
    if (why) *why = db.lastError().text();
    db.rollback();
    return false;
  }
  return true;
}

int LocalStore::markInterrupted(const QString& machine, const std::function<bool(qint64)>& alive, QString* why) {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  QSqlQuery q(db);
  // Runs of this machine with a start and neither an end nor an earlier mark.
  q.prepare(QStringLiteral(
      "SELECT s.run, s.amount, (SELECT MAX(seq) FROM events m WHERE m.run = s.run AND m.machine = s.machine) "
      "FROM events s WHERE s.kind = ? AND s.machine = ? AND NOT EXISTS (SELECT 1 FROM events x WHERE x.run = s.run "
      "AND x.machine = s.machine AND x.kind IN (?, ?)) ORDER BY s.n"));
  q.addBindValue(kind::RunStarted);
  q.addBindValue(machine);
  q.addBindValue(kind::RunEnded);
  q.addBindValue(kind::Interrupted);
  if (!q.exec()) {
    if (why) *why = q.lastError().text();
    return 0;
  }
  std::vector<Event> marks;
  while (q.next()) {
    if (!q.isNull(1) && alive(q.value(1).toLongLong())) continue;  // still being written
    Event e;
    e.kind = kind::Interrupted;
    e.run = q.value(0).toString();
    e.machine = machine;
    e.seq = q.value(2).toLongLong() + 1;
    e.wall = QDateTime::currentDateTime();
    marks.push_back(e);
  }
  q.finish();
  int n = 0;
  for (const Event& e : marks) n += add(e, why) ? 1 : 0;
  return n;
}

namespace {
// The rows of a prepared query of n and the event's columns, in its order.
std::vector<LocalStore::Pending> pending(QSqlQuery& q, QString* why) {
  std::vector<LocalStore::Pending> out;
  if (!q.exec()) {
    if (why) *why = q.lastError().text();
    return out;
  }
  while (q.next()) out.push_back({q.value(0).toLongLong(), columns::read(q, 1)});
  // A row that could not be fetched (the file locked a moment too long) is a failure, not the end.
  if (q.lastError().isValid()) {
    if (why) *why = q.lastError().text();
    out.clear();
  }
  return out;
}
}  // namespace

std::vector<LocalStore::Pending> LocalStore::unsent(int limit, QString* why) {
  QSqlDatabase db = QSqlDatabase::database(name_, false);
  QSqlQuery q(db);
  q.prepare(QStringLiteral("SELECT n, %1 FROM events WHERE n > (SELECT sent_upto FROM outbox) ORDER BY n LIMIT ?")
                .arg(columns::List));
  q.addBindValue(limit);
  return pending(q, why);
}

std::vector<LocalStore::Pending> LocalStore::after(qint64 after, int limit, QString* why) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("SELECT n, %1 FROM events WHERE n > ? ORDER BY n LIMIT ?").arg(columns::List));
  q.addBindValue(after);
  q.addBindValue(limit);
  return pending(q, why);
}

bool LocalStore::markSent(qint64 upTo, QString* why) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  q.prepare(QStringLiteral("UPDATE outbox SET sent_upto = ? WHERE sent_upto < ?"));
  q.addBindValue(upTo);
  q.addBindValue(upTo);
  if (q.exec()) return true;
  if (why) *why = q.lastError().text();
  return false;
}

qint64 LocalStore::unsentCount() {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM events WHERE n > (SELECT sent_upto FROM outbox)")) || !q.next())
    return -1;
  return q.value(0).toLongLong();
}

std::vector<Event> LocalStore::events(const QString& run) {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  if (run.isEmpty()) {
    q.prepare(QStringLiteral("SELECT %1 FROM events ORDER BY n").arg(columns::List));
  } else {
    q.prepare(QStringLiteral("SELECT %1 FROM events WHERE run = ? ORDER BY n").arg(columns::List));
    q.addBindValue(run);
  }
  std::vector<Event> out;
  if (q.exec())
    while (q.next()) out.push_back(columns::read(q));
  return out;
}

std::vector<RunSummary> LocalStore::runs() {
  QSqlQuery q(QSqlDatabase::database(name_, false));
  const QStringList kinds = tallyKinds();
  q.prepare(QStringLiteral("SELECT %1 FROM events WHERE kind IN (%2) ORDER BY run, machine, seq, n")
                .arg(columns::List, QStringList(kinds.size(), QStringLiteral("?")).join(QLatin1Char(','))));
  for (const QString& k : kinds) q.addBindValue(k);
  RunTally tally;
  if (q.exec())
    while (q.next()) tally.add(columns::read(q));
  return tally.runs();
}

}  // namespace record
