// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/class_db.h"

#include <QFile>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>

#include "record/columns.h"

// The schema lives in a static library, whose resources are not registered by themselves.
static void initSchemaResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(record);
    return true;
  }();
  (void)done;
}

namespace record {

namespace {

// A libpq keyword or value QPSQL can pass on as it is ("key=value", spaces separate them).
bool plainWord(const QString& s) {
  for (const QChar c : s)
    if (c.isSpace() || c == QLatin1Char('\'') || c == QLatin1Char('\\') || c == QLatin1Char(';') ||
        c == QLatin1Char('='))
      return false;
  return !s.isEmpty();
}

QString connectionName() {
  static std::atomic<int> n{0};
  return QStringLiteral("lumeq-class-%1").arg(++n);
}

ServerProblem classify(const QString& text) {
  const QString t = text.toLower();
  if (t.contains(QLatin1String("password")) || t.contains(QLatin1String("authentication")) ||
      t.contains(QLatin1String("role \"")) || t.contains(QLatin1String("no pg_hba.conf entry")))
    return ServerProblem::Login;
  if (t.contains(QLatin1String("does not exist")) && t.contains(QLatin1String("database")))
    return ServerProblem::Schema;
  return ServerProblem::Unreachable;
}

}  // namespace

std::optional<ClassDbAddress> parseClassDbUrl(const QString& text, QString* why) {
  const auto refuse = [why](const QString& w) -> std::optional<ClassDbAddress> {
    if (why) *why = w;
    return std::nullopt;
  };
  const QUrl url(text.trimmed(), QUrl::StrictMode);
  if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres")))
    return refuse(QStringLiteral("not a postgresql:// URI"));
  ClassDbAddress a;
  a.host = url.host(QUrl::FullyDecoded);
  a.port = url.port(-1);
  a.user = url.userName(QUrl::FullyDecoded);
  a.password = url.password(QUrl::FullyDecoded);
  a.database = url.path(QUrl::FullyDecoded).mid(1);
  if (a.database.contains(QLatin1Char('/'))) return refuse(QStringLiteral("a database name holds no '/'"));
  QStringList options;
  for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
    if (key == QLatin1String("host")) {
      a.host = value;
    } else if (key == QLatin1String("port")) {
      bool ok = false;
      a.port = value.toInt(&ok);
      if (!ok) return refuse(QStringLiteral("port %1 is not a number").arg(value));
    } else if (key == QLatin1String("user")) {
      a.user = value;
    } else if (key == QLatin1String("dbname")) {
      a.database = value;
    } else if (key == QLatin1String("password")) {
      a.password = value;
    } else if (plainWord(key) && plainWord(value)) {
      options << key + QLatin1Char('=') + value;  // sslmode, service, passfile, connect_timeout …
    } else {
      return refuse(QStringLiteral("the parameter %1 cannot be passed on").arg(key));
    }
  }
  // A server that does not answer is given up on soon; the sender tries again later.
  if (!std::any_of(options.begin(), options.end(),
                   [](const QString& o) { return o.startsWith(QLatin1String("connect_timeout=")); }))
    options << QStringLiteral("connect_timeout=3");
  a.options = options.join(QLatin1Char(';'));
  return a;
}

QString configuredClassDbUrl(const std::optional<QString>& commandLine) {
  if (commandLine) return commandLine->trimmed();
  // NativeFormat on Linux: ~/.config/Lumeq/lumeq.conf, then /etc/xdg/Lumeq/lumeq.conf.
  const QSettings settings(QStringLiteral("Lumeq"), QStringLiteral("lumeq"));
  return settings.value(QStringLiteral("class-db/url")).toString().trimmed();
}

ClassDb::ClassDb(const QString& url) : url_(url), name_(connectionName()) {}

ClassDb::~ClassDb() {
  {
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isValid()) db.close();
  }
  QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase ClassDb::db() const { return QSqlDatabase::database(name_, false); }

bool ClassDb::connected() const { return db().isOpen(); }

bool ClassDb::fail(ServerProblem p, const QString& why) {
  problem_ = p;
  why_ = why.trimmed();
  return false;
}

bool ClassDb::openOnly() {
  QString bad;
  const std::optional<ClassDbAddress> a = parseClassDbUrl(url_, &bad);
  if (!a) return fail(ServerProblem::Address, bad);
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
    return fail(ServerProblem::Unreachable, QStringLiteral("no QPSQL driver (libqt6sql6-psql)"));
  QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                  : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
  db.setHostName(a->host);
  db.setPort(a->port);
  db.setUserName(a->user);
  db.setPassword(a->password);
  db.setDatabaseName(a->database);
  db.setConnectOptions(a->options);
  if (!db.open()) return fail(classify(db.lastError().text()), db.lastError().text());
  return true;
}

int ClassDb::serverSchemaVersion() {
  QSqlQuery q(db());
  if (!q.exec(QStringLiteral("SELECT to_regclass('lumeq.schema_version') IS NOT NULL")) || !q.next()) return -1;
  if (!q.value(0).toBool()) return 0;
  if (!q.exec(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM lumeq.schema_version")) || !q.next()) return -1;
  return q.value(0).toInt();
}

bool ClassDb::connect() {
  problem_ = ServerProblem::None;
  why_.clear();
  if (connected()) return true;
  if (!openOnly()) return false;
  const int version = serverSchemaVersion();
  if (version != SchemaVersion) {
    const QString why =
        version < 0 ? db().lastError().text()
                    : QStringLiteral("schema version %1 on the server, %2 here").arg(version).arg(SchemaVersion);
    disconnect();
    return fail(ServerProblem::Schema, why);
  }
  return true;
}

void ClassDb::disconnect() {
  QSqlDatabase d = db();
  if (d.isValid()) d.close();
}

bool ClassDb::send(const std::vector<Event>& events) {
  if (!connected() && !connect()) return false;
  QSqlDatabase d = db();
  if (!d.transaction()) {
    const QString why = d.lastError().text();
    disconnect();  // the connection is gone or broken: the next try opens a new one
    return fail(ServerProblem::Unreachable, why);
  }
  QSqlQuery q(d);
  q.prepare(
      QStringLiteral("SELECT lumeq.add_event(CAST(? AS uuid), ?, ?, ?, ?, CAST(? AS timestamptz), ?, ?, ?, ?, "
                     "?, ?, ?, ?)"));
  for (const Event& e : events) {
    columns::bind(q, e);
    if (!q.exec()) {
      const QString why = q.lastError().text();
      q.finish();
      d.rollback();
      disconnect();
      return fail(
          why.contains(QLatin1String("permission denied")) ? ServerProblem::Refused : ServerProblem::Unreachable, why);
    }
    q.finish();
  }
  if (!d.commit()) {
    const QString why = d.lastError().text();
    disconnect();
    return fail(ServerProblem::Unreachable, why);
  }
  return true;
}

std::optional<std::vector<RunSummary>> ClassDb::runs() {
  if (!connected() && !connect()) return std::nullopt;
  QSqlQuery q(db());
  const QStringList kinds = tallyKinds();
  q.prepare(QStringLiteral("SELECT %1 FROM lumeq.events WHERE kind IN (%2) ORDER BY run, machine, seq, arrival")
                .arg(QString(columns::List).replace(QLatin1String("id,"), QLatin1String("CAST(id AS text),")),
                     QStringList(kinds.size(), QStringLiteral("?")).join(QLatin1Char(','))));
  for (const QString& k : kinds) q.addBindValue(k);
  if (!q.exec()) {
    fail(ServerProblem::Refused, q.lastError().text());
    return std::nullopt;
  }
  RunTally tally;
  while (q.next()) tally.add(columns::read(q));
  return tally.runs();
}

std::optional<std::vector<std::pair<qint64, Event>>> ClassDb::after(qint64 arrival, int limit) {
  if (!connected() && !connect()) return std::nullopt;
  QSqlQuery q(db());
  q.setForwardOnly(true);
  q.prepare(QStringLiteral("SELECT arrival, %1 FROM lumeq.events WHERE arrival > ? ORDER BY arrival LIMIT ?")
                .arg(QString(columns::List).replace(QLatin1String("id,"), QLatin1String("CAST(id AS text),"))));
  q.addBindValue(arrival);
  q.addBindValue(limit);
  if (!q.exec()) {
    const QString why = q.lastError().text();
    const bool refused = why.contains(QLatin1String("permission denied"));
    if (!refused) disconnect();  // a broken connection: the next read opens a new one
    fail(refused ? ServerProblem::Refused : ServerProblem::Unreachable, why);
    return std::nullopt;
  }
  std::vector<std::pair<qint64, Event>> out;
  while (q.next()) out.emplace_back(q.value(0).toLongLong(), columns::read(q, 1));
  return out;
}

bool ClassDb::init() {
  problem_ = ServerProblem::None;
  if (!connected() && !openOnly()) return false;
  const int version = serverSchemaVersion();
  if (version > SchemaVersion)
    return fail(ServerProblem::Schema, QStringLiteral("schema version %1 on the server is newer than this program's %2")
                                           .arg(version)
                                           .arg(SchemaVersion));
  if (version == SchemaVersion) return true;
  initSchemaResources();
  QFile file(QStringLiteral(":/sql/001_schema.sql"));
  if (!file.open(QIODevice::ReadOnly)) return fail(ServerProblem::Schema, file.errorString());
  QSqlDatabase d = db();
  if (!d.transaction()) return fail(ServerProblem::Unreachable, d.lastError().text());
  QSqlQuery q(d);
  // The script as one text (the simple query protocol runs every statement of it), no values in it.
  if (!q.exec(QString::fromUtf8(file.readAll()))) {
    const QString why = q.lastError().text();
    d.rollback();
    return fail(ServerProblem::Refused, why);
  }
  q.finish();
  if (!d.commit()) return fail(ServerProblem::Refused, d.lastError().text());
  return serverSchemaVersion() == SchemaVersion || fail(ServerProblem::Schema, QStringLiteral("not applied"));
}

}  // namespace record
