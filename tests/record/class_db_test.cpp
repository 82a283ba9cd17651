// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The class database on a real PostgreSQL: the roles hold, a stopped server loses nothing and
// doubles nothing, every bad set-up gets its word and the program plays on.
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

#include "pg_support.h"
#include "record/class_db.h"
#include "record/recorder.h"
#include "support/fixture.h"

using record::ServerProblem;

namespace {

record::Event make(const QString& kind, const QString& run, int n) {
  record::Event e;
  e.kind = kind;
  e.run = run;
  e.machine = QStringLiteral("test");
  e.seq = n;
  e.wall = QDateTime::currentDateTime();
  e.text = QString::number(n);
  return e;
}

// Rows of one run on the server as the administrator sees them, in the order they arrived.
QStringList serverTexts(const QString& run) {
  record::ClassDb db(pgtest::adminUrl(nullptr));
  EXPECT_TRUE(db.connect()) << db.why().toStdString();
  QSqlQuery q(db.db());
  q.prepare(QStringLiteral("SELECT typed FROM lumeq.events WHERE run = ? ORDER BY arrival"));
  q.addBindValue(run);
  QStringList out;
  if (!q.exec()) ADD_FAILURE() << q.lastError().text().toStdString();
  while (q.next()) out << q.value(0).toString();
  return out;
}

QString refusal(const QString& url, const QString& sql) {
  record::ClassDb db(url);
  if (!db.connect()) return QStringLiteral("no connection: ") + db.why();
  QSqlQuery q(db.db());
  return q.exec(sql) ? QString() : q.lastError().text();
}

class ClassDbTest : public pgtest::FreshSchemaTest {};
}  // namespace

TEST(ClassDbUrl, ReadsALibpqUriIntoTheConnectionsFields) {
  auto a = record::parseClassDbUrl(QStringLiteral("postgresql://lumeq_student@server.lab:5433/lab?sslmode=require"));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->host, QStringLiteral("server.lab"));
  EXPECT_EQ(a->port, 5433);
  EXPECT_EQ(a->user, QStringLiteral("lumeq_student"));
  EXPECT_EQ(a->database, QStringLiteral("lab"));
  EXPECT_EQ(a->options, QStringLiteral("sslmode=require;connect_timeout=3"));
  a = record::parseClassDbUrl(QStringLiteral("postgresql:///lab?host=/run/postgresql&user=t%20a&password=p%40ss"));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->host, QStringLiteral("/run/postgresql"));
  EXPECT_EQ(a->user, QStringLiteral("t a"));
  EXPECT_EQ(a->password, QStringLiteral("p@ss"));
  // What could change the meaning of the connection string QPSQL builds is refused.
  EXPECT_FALSE(record::parseClassDbUrl(QStringLiteral("postgresql:///lab?sslmode=require%20host=evil")));
  EXPECT_FALSE(record::parseClassDbUrl(QStringLiteral("mysql://server/lab")));
  EXPECT_FALSE(record::parseClassDbUrl(QStringLiteral("server/lab")));
}

TEST_F(ClassDbTest, TheStudentRoleOnlyAddsAndTheTeacherReadsEverything) {
  {
    record::Recorder r(QTemporaryDir().path() + QStringLiteral("/none"), student);  // a file that cannot be made
  }
  QTemporaryDir dir;
  {
    record::Recorder r(dir.filePath(QStringLiteral("r.sqlite")), student);
    record::Event e = make(record::kind::Student, QStringLiteral("0000aa"), 1);
    e.text = QStringLiteral("'); DROP TABLE events; --");
    e.detail = QStringLiteral("ИВТ-11 \\ ' \"");
    r.add(e);
    for (int i = 2; i <= 5; ++i) r.add(make(record::kind::Wrong, QStringLiteral("0000aa"), i));
    ASSERT_TRUE(r.waitSent(20000)) << r.health().serverWhy.toStdString();
  }
  EXPECT_EQ(serverTexts(QStringLiteral("0000aa")),
            (QStringList{QStringLiteral("'); DROP TABLE events; --"), "2", "3", "4", "5"}));

  EXPECT_TRUE(refusal(student, QStringLiteral("SELECT * FROM lumeq.events")).contains("permission denied"));
  EXPECT_TRUE(refusal(student, QStringLiteral("UPDATE lumeq.events SET typed = 'x'")).contains("permission denied"));
  EXPECT_TRUE(refusal(student, QStringLiteral("DELETE FROM lumeq.events")).contains("permission denied"));
  EXPECT_TRUE(refusal(student, QStringLiteral("INSERT INTO lumeq.events (id, run, machine, seq, kind, wall) VALUES "
                                              "(gen_random_uuid(), 'x', 'x', 1, 'x', now())"))
                  .contains("permission denied"));
  EXPECT_EQ(refusal(teacher, QStringLiteral("SELECT * FROM lumeq.events")), QString());
  EXPECT_TRUE(refusal(teacher, QStringLiteral("DELETE FROM lumeq.events")).contains("permission denied"));

  // A resend of the same event is skipped by the server.
  record::ClassDb db(student);
  record::Event again = make(record::kind::Wrong, QStringLiteral("0000bb"), 1);
  ASSERT_TRUE(db.send({again, again})) << db.why().toStdString();
  ASSERT_TRUE(db.send({again}));
  EXPECT_EQ(serverTexts(QStringLiteral("0000bb")).size(), 1);

  // --list-runs from the class database, as the teacher.
  QProcess list;
  list.start(QStringLiteral(LUMEQ_BINARY), {QStringLiteral("--list-runs"), QStringLiteral("--class-db"), teacher});
  ASSERT_TRUE(list.waitForFinished());
  EXPECT_TRUE(QString::fromUtf8(list.readAllStandardOutput()).contains(QStringLiteral("0000aa\t")));
}

TEST_F(ClassDbTest, AServerStoppedAndStartedMidWorkGetsEveryEventOnceInOrder) {
  if (pgtest::clusterDir().isEmpty()) GTEST_SKIP() << "the server is not the tests' own: it is not stopped";
  QTemporaryDir dir;
  record::Recorder r(dir.filePath(QStringLiteral("r.sqlite")), student);
  int n = 0;
  for (; n < 50; ++n) r.add(make(record::kind::Wrong, QStringLiteral("0000cc"), n));
  ASSERT_TRUE(r.waitSent(20000));
  ASSERT_TRUE(pgtest::cluster(QStringLiteral("stop")));
  ASSERT_FALSE(record::ClassDb(student).connect()) << "the server is still up";
  for (; n < 150; ++n) r.add(make(record::kind::Wrong, QStringLiteral("0000cc"), n));
  r.flush();
  EXPECT_FALSE(r.waitSent(1500));
  EXPECT_EQ(r.health().server, ServerProblem::Unreachable);
  ASSERT_TRUE(pgtest::cluster(QStringLiteral("start")));
  for (; n < 200; ++n) r.add(make(record::kind::Wrong, QStringLiteral("0000cc"), n));
  ASSERT_TRUE(r.waitSent(40000));
  QStringList expected;
  for (int i = 0; i < 200; ++i) expected << QString::number(i);
  EXPECT_EQ(serverTexts(QStringLiteral("0000cc")), expected);
  EXPECT_EQ(r.health().server, ServerProblem::None);
}

TEST_F(ClassDbTest, EachBadSetUpIsNamed) {
  record::ClassDb wrongPassword(pgtest::urlFor(admin, QStringLiteral("lumeq_student"), QStringLiteral("nope")));
  EXPECT_FALSE(wrongPassword.connect());
  EXPECT_EQ(wrongPassword.problem(), ServerProblem::Login) << wrongPassword.why().toStdString();
  record::ClassDb unreachable(QStringLiteral("postgresql://lumeq_student@127.0.0.1:1/lab"));
  EXPECT_FALSE(unreachable.connect());
  EXPECT_EQ(unreachable.problem(), ServerProblem::Unreachable) << unreachable.why().toStdString();
  record::ClassDb address(QStringLiteral("server:5432/lab"));
  EXPECT_FALSE(address.connect());
  EXPECT_EQ(address.problem(), ServerProblem::Address);
  ASSERT_TRUE(pgtest::adminExec(QStringLiteral("INSERT INTO lumeq.schema_version (version) VALUES (2)"), &why));
  record::ClassDb newer(student);
  EXPECT_FALSE(newer.connect());
  EXPECT_EQ(newer.problem(), ServerProblem::Schema) << newer.why().toStdString();
  record::ClassDb init(admin);
  EXPECT_FALSE(init.init());  // an older program does not touch a newer schema
}

namespace {
struct BadServer {
  QTemporaryDir dir;
  std::unique_ptr<record::Recorder> recorder = std::make_unique<record::Recorder>(
      dir.filePath(QStringLiteral("r.sqlite")), QStringLiteral("postgresql://lumeq_student:x@127.0.0.1:1/lab"));
};
class PlaysOn : public BadServer, public TrainerTest {
 protected:
  PlaysOn() : TrainerTest(nullptr, nullptr, recorder.get()) {}
};
}  // namespace

TEST_F(PlaysOn, AnUnreachableServerGetsOneLineOnTheStartScreenAndTheWorkGoesOn) {
  QElapsedTimer t;
  t.start();
  while (main->recordProblem().isEmpty() && t.elapsed() < 10000) QTest::qWait(20);
  EXPECT_EQ(main->recordProblem(), QStringLiteral("Сервер класса недоступен: записи хранятся на этом компьютере."));
  EXPECT_TRUE(main->control<QLabel>(QStringLiteral("RecordProblem"))->isVisible());
  EXPECT_TRUE(messages.shown.isEmpty());
  click("Button9");
  click("b91");
  answerAll(active());
  ASSERT_EQ(main->journal().works().size(), 1u);
  EXPECT_GT(main->journal().works().at(0).windows.at(0).accepted, 0);
}

// Thirty lab machines at once, a thousand events each, every one in a transaction of its own.
TEST_F(ClassDbTest, ThirtyWritersAtOnceLoseAndDoubleNothing) {
  if (qEnvironmentVariable("LUMEQ_RECORD_DEEP").isEmpty()) GTEST_SKIP() << "deep: ctest -L deep";
  constexpr int Writers = 30, Each = 1000;
  QElapsedTimer t;
  t.start();
  std::vector<std::thread> threads;
  std::atomic<int> failed{0};
  for (int w = 0; w < Writers; ++w)
    threads.emplace_back([&, w] {
      record::ClassDb db(student);
      const QString run = QStringLiteral("w%1").arg(w, 5, 10, QLatin1Char('0'));
      for (int i = 0; i < Each; ++i)
        if (!db.send({make(record::kind::Wrong, run, i)})) ++failed;
    });
  for (auto& th : threads) th.join();
  const qint64 ms = t.elapsed();
  EXPECT_EQ(failed, 0);
  record::ClassDb db(admin);
  ASSERT_TRUE(db.connect());
  QSqlQuery q(db.db());
  ASSERT_TRUE(
      q.exec(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT (run, seq)) FROM lumeq.events WHERE run LIKE 'w%'")));
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toInt(), Writers * Each);
  EXPECT_EQ(q.value(1).toInt(), Writers * Each);
  std::printf("thirty writers: %d events in %lld ms (%.0f events/s)\n", Writers * Each, ms,
              Writers * Each * 1000.0 / ms);
}
