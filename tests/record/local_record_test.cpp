// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's record on a real SQLite file: events as they happen, in order, as typed; runs
// that never ended; a file that cannot be written; and the program itself killed or stopped.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "app/journal.h"
#include "record/local_store.h"
#include "record/recorder.h"
#include "support/fixture.h"
#include "support/recorder_holder.h"

using record::Event;
namespace kind = record::kind;

namespace {

QStringList kinds(const std::vector<Event>& events) {
  QStringList out;
  for (const auto& e : events) out << e.kind;
  return out;
}

std::vector<Event> read(const QString& path, const QString& run = {}) {
  record::LocalStore s(path);
  return s.open(nullptr) ? s.events(run) : std::vector<Event>{};
}

Event make(const QString& k, const QString& run, const QString& text = {}) {
  Event e;
  e.kind = k;
  e.run = run;
  e.wall = QDateTime::currentDateTime();
  e.text = text;
  return e;
}

class RecordedWork : public RecorderHolder, public TrainerTest {
 protected:
  RecordedWork() : TrainerTest(nullptr, nullptr, recorder.get()) {}
};

}  // namespace

TEST(LocalRecord, KeepsEveryFieldInOrderAndAnOpenRunOfAGoneProcessIsInterrupted) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sub/record.sqlite"));  // the folder is made
  // A process that has ended: its run was never closed.
  QProcess gone;
  gone.start(QStringLiteral("true"), {});
  ASSERT_TRUE(gone.waitForFinished());
  const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 999999;
  {
    record::Recorder r(path);
    Event start = make(kind::RunStarted, QStringLiteral("aaaaaa"));
    start.amount = deadPid;
    r.add(start);
    Event typed = make(kind::Wrong, QStringLiteral("aaaaaa"), QStringLiteral("'); DROP TABLE events; --"));
    typed.form = QStringLiteral("Form1_2");
    typed.field = 1;
    typed.work = 3;
    typed.steadyMs = 1234;
    typed.seed = -7;
    r.add(typed);
    Event closed = make(kind::RunStarted, QStringLiteral("bbbbbb"));
    closed.amount = deadPid;
    r.add(closed);
    r.add(make(kind::RunEnded, QStringLiteral("bbbbbb")));
    Event mine = make(kind::RunStarted, QStringLiteral("cccccc"));
    mine.amount = QCoreApplication::applicationPid();  // still running
    r.add(mine);
    r.flush();
    EXPECT_TRUE(r.health().localOk);
  }
  const auto events = read(path);
  ASSERT_EQ(events.size(), 5u);
  const Event& w = events[1];
  EXPECT_EQ(w.text, QStringLiteral("'); DROP TABLE events; --"));
  EXPECT_EQ(w.form, QStringLiteral("Form1_2"));
  EXPECT_EQ(w.field, 1);
  EXPECT_EQ(w.work, 3);
  EXPECT_EQ(w.steadyMs, 1234);
  EXPECT_EQ(w.seed, -7);
  EXPECT_EQ(w.machine, QSysInfo::machineHostName());
  EXPECT_FALSE(events[0].field.has_value());
  for (size_t i = 1; i < events.size(); ++i) EXPECT_GT(events[i].seq, events[i - 1].seq);

  // The next start marks only the run that neither ended nor belongs to a live process.
  {
    record::Recorder next(path);
    next.add(make(kind::RunStarted, QStringLiteral("dddddd")));
  }
  record::LocalStore s(path);
  ASSERT_TRUE(s.open(nullptr));
  std::map<QString, record::RunSummary::End> ends;
  for (const auto& r : s.runs()) ends[r.run] = r.end;
  EXPECT_EQ(ends[QStringLiteral("aaaaaa")], record::RunSummary::End::Interrupted);
  EXPECT_EQ(ends[QStringLiteral("bbbbbb")], record::RunSummary::End::Closed);
  EXPECT_EQ(ends[QStringLiteral("cccccc")], record::RunSummary::End::Open);
}

TEST(LocalRecord, AFileThatCannotBeWrittenIsSaidOnceAndNothingWaitsForIt) {
  QTemporaryDir dir;
  QFile blocker(dir.filePath(QStringLiteral("file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  int told = 0;
  record::Health last;
  {
    record::Recorder r(dir.filePath(QStringLiteral("file/record.sqlite")));  // under a plain file
    r.setHealthHandler([&](const record::Health& h) {
      ++told;
      last = h;
    });
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 200; ++i) r.add(make(kind::Wrong, QStringLiteral("eeeeee"), QString::number(i)));
    r.flush();
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_FALSE(r.health().localOk);
  }
  EXPECT_EQ(told, 1);  // one word, not one per event
  EXPECT_FALSE(last.localOk);
  EXPECT_FALSE(last.localWhy.isEmpty());
}

TEST_F(RecordedWork, TheStoreHoldsWhatTheJournalShowsWithTheTextAsTyped) {
  auto* name = main->control<QLineEdit>(QStringLiteral("StudentName"));
  ASSERT_TRUE(name);
  name->setFocus();
  QTest::keyClicks(name, QStringLiteral("'); DROP TABLE events; --"));
  EXPECT_EQ(main->student().name, QStringLiteral("'); DROP TABLE events; --"));
  click("Button9");
  click("b91");
  ExperimentWindow* w = active();
  type(w, 0, QStringLiteral("1,2,3"));
  type(w, 0, QStringLiteral("-98765"));
  answerAll(w);
  steadyMs += 4000;
  messages.answers.push_back(true);
  click("BMenu");
  main->close();
  recorder->flush();

  const journal::WorkEntry& work = main->journal().works().at(0);
  const auto events = read(path, main->journal().runId());
  const QStringList k = kinds(events);
  EXPECT_EQ(k.first(), kind::RunStarted);
  EXPECT_EQ(k.last(), kind::RunEnded);
  EXPECT_EQ(k.count(kind::WorkStarted), 1);
  EXPECT_EQ(k.count(kind::Malformed), work.formatErrors());
  EXPECT_EQ(k.count(kind::Wrong), work.wrongTotal());
  EXPECT_EQ(k.count(kind::WorkEnded), 1);
  int accepted = 0;
  qint64 ms = 0;
  for (const auto& e : events) {
    if (e.kind == kind::Student) EXPECT_EQ(e.text, QStringLiteral("'); DROP TABLE events; --"));
    if (e.kind == kind::Malformed) EXPECT_EQ(e.text, QStringLiteral("1,2,3"));
    if (e.kind == kind::Wrong) EXPECT_EQ(e.text, QStringLiteral("-98765"));
    if (e.kind == kind::Accepted) {
      ++accepted;
      EXPECT_FALSE(e.text.isEmpty());
      EXPECT_EQ(e.work, 1);
    }
    if (e.kind == kind::WindowTime) ms += *e.amount;
  }
  int journalAccepted = 0;
  qint64 journalMs = 0;
  for (const auto& win : work.windows) {
    journalAccepted += win.accepted;
    journalMs += win.activeMs;
  }
  EXPECT_EQ(accepted, journalAccepted);
  EXPECT_EQ(ms, journalMs);
  EXPECT_GE(ms, 4000);
}

#ifdef Q_OS_UNIX
namespace {

// The program itself, playing a work into its record until it is stopped from outside.
struct Child {
  QProcess p;
  Child(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMEQ_TEST_PLAY"), QStringLiteral("Form1_1"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUMEQ_BINARY), args);
  }
  // Waits until the record holds at least n events; returns how many it held.
  static size_t waitFor(const QString& path, size_t n) {
    QElapsedTimer t;
    t.start();
    size_t have = 0;
    while (t.elapsed() < 20000 && (have = read(path).size()) < n) QThread::msleep(50);
    return have;
  }
};

}  // namespace

TEST(RecordedProgram, KilledMidWorkKeepsEveryCommittedEventAndTheNextStartSaysInterrupted) {
  QTemporaryDir dir;
  const QString db = dir.filePath(QStringLiteral("r.sqlite"));
  Child c({QStringLiteral("--journal-db"), db, QStringLiteral("--student"), QStringLiteral("Иванов")});
  ASSERT_TRUE(c.p.waitForStarted());
  const size_t seen = Child::waitFor(db, 60);
  ASSERT_GE(seen, 60u);
  ::kill(static_cast<pid_t>(c.p.processId()), SIGKILL);
  ASSERT_TRUE(c.p.waitForFinished());

  const auto events = read(db);
  ASSERT_GE(events.size(), seen);
  // What is there is the start of what was made: the typed answers 1, 2, 3 … without a gap.
  int n = 0;
  for (const auto& e : events)
    if (e.kind == kind::Wrong) EXPECT_EQ(e.text, QString::number(++n));
  EXPECT_GT(n, 40);
  const QString run = events.front().run;

  QProcess list;
  list.start(QStringLiteral(LUMEQ_BINARY), {QStringLiteral("--list-runs"), QStringLiteral("--journal-db"), db});
  ASSERT_TRUE(list.waitForFinished());
  const QStringList cols = QString::fromLocal8Bit(list.readAllStandardOutput()).trimmed().split(QLatin1Char('\t'));
  ASSERT_EQ(cols.size(), 7) << cols.join('|').toStdString();
  EXPECT_EQ(cols[0], run);
  EXPECT_TRUE(QDateTime::fromString(cols[1], Qt::ISODate).isValid());
  EXPECT_EQ(cols[2], QStringLiteral("Иванов"));
  EXPECT_EQ(cols[4], QStringLiteral("1"));
  EXPECT_EQ(cols[5], QStringLiteral("0"));
  EXPECT_EQ(cols[6], QStringLiteral("interrupted"));
}

TEST(RecordedProgram, TermHupAndIntCloseAsTheCloseBoxDoesAndWriteThePdf) {
  for (const int sig : {SIGTERM, SIGHUP, SIGINT}) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("r.sqlite")), pdf = dir.filePath(QStringLiteral("j.pdf"));
    Child c({QStringLiteral("--journal-db"), db, QStringLiteral("--journal-pdf"), pdf});
    ASSERT_TRUE(c.p.waitForStarted());
    ASSERT_GE(Child::waitFor(db, 10), 10u);
    ::kill(static_cast<pid_t>(c.p.processId()), sig);
    ASSERT_TRUE(c.p.waitForFinished(20000)) << sig;
    EXPECT_EQ(c.p.exitStatus(), QProcess::NormalExit) << sig;
    EXPECT_TRUE(QFileInfo(pdf).size() > 0) << sig;
    const QStringList k = kinds(read(db));
    EXPECT_EQ(k.last(), kind::RunEnded) << sig;
    EXPECT_TRUE(k.contains(kind::WorkEnded)) << sig;
  }
}
#endif
