// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's table for a large class: 300 students by the twenty works, ten events each
// (about 60 000 events), built from events in memory and read from a machine's SQLite file.
#include <benchmark/benchmark.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "app/teacher_data.h"
#include "record/class_reader.h"
#include "record/columns.h"
#include "record/local_store.h"

namespace {

std::vector<std::pair<qint64, record::Event>> classEvents(const std::vector<record::WorkColumn>& works) {
  std::vector<std::pair<qint64, record::Event>> out;
  qint64 n = 0;
  const QDateTime t0(QDate(2026, 12, 9), QTime(9, 0));
  for (int s = 0; s < 300; ++s) {
    const QString run = QStringLiteral("%1").arg(s, 6, 16, QLatin1Char('0'));
    qint64 tick = 0;
    const auto add = [&](const QString& kind, int work, const QString& form, const QString& text = {}) {
      record::Event e;
      e.kind = kind;
      e.run = run;
      e.machine = QStringLiteral("lab-%1").arg(s % 20);
      e.seq = n;
      e.work = work;
      e.form = form;
      e.text = text;
      e.steadyMs = tick;
      e.wall = t0.addMSecs(tick);
      out.emplace_back(++n, e);
    };
    for (int w = 0; w < int(works.size()); ++w) {
      const QString& form = works[w].firstForm;
      add(record::kind::WorkStarted, w + 1, form);
      add(record::kind::WindowReached, w + 1, form, QStringLiteral("Окно"));
      add(record::kind::Wrong, w + 1, form, QStringLiteral("1,5"));
      add(record::kind::Accepted, w + 1, form, QStringLiteral("2,5"));
      add(record::kind::WindowTime, w + 1, form);
      add(record::kind::WindowReached, w + 1, form + QStringLiteral("b"), QStringLiteral("Окно 2"));
      add(record::kind::Wrong, w + 1, form + QStringLiteral("b"), QStringLiteral("3"));
      add(record::kind::Accepted, w + 1, form + QStringLiteral("b"), QStringLiteral("4"));
      tick += 45000 + s * 100;
      add(record::kind::WorkCompleted, w + 1, form);
      add(record::kind::WorkEnded, w + 1, form, QStringLiteral("completed"));
    }
  }
  return out;
}

void TeacherTableFromEvents(benchmark::State& state) {
  const auto works = teacher::programWorks();
  const auto events = classEvents(works);
  for (auto _ : state) {
    record::ClassTable t(works);
    for (const auto& [n, e] : events) t.add(n, e);
    for (int w = 0; w < int(works.size()); ++w) benchmark::DoNotOptimize(t.summary(w, {}));
  }
  state.counters["events"] = double(events.size());
}
BENCHMARK(TeacherTableFromEvents)->Unit(benchmark::kMillisecond);

void TeacherTableFromSqlite(benchmark::State& state) {
  const auto works = teacher::programWorks();
  const auto events = classEvents(works);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("class.sqlite"));
  {
    record::LocalStore store(path);
    store.open(nullptr);
  }
  {
    // One transaction for the lot: the writing is not what is measured.
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO events (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)").arg(record::columns::List));
    for (const auto& [n, e] : events) {
      record::columns::bind(q, e);
      q.exec();
    }
    q.finish();
    db.commit();
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
  for (auto _ : state) {
    record::ClassReader reader(path, {});
    record::ClassTable t(works);
    teacher::readAll(reader, t);
    benchmark::DoNotOptimize(t.rows().size());
  }
  state.counters["events"] = double(events.size());
}
BENCHMARK(TeacherTableFromSqlite)->Unit(benchmark::kMillisecond);

}  // namespace
