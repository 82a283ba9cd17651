// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record under load: the latency of one event from the caller to the disk, Form1_1's paced
// trace with every event recorded, and thirty lab machines sending at once to a class database
// (when LUMEQ_BENCH_PG_URL names one the benchmark may fill, e.g. the tests' throwaway cluster).
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <benchmark/benchmark.h>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "framework/experiment_window.h"
#include "framework/messages.h"
#include "record/class_db.h"
#include "record/recorder.h"
#include "walk.h"

namespace {

record::Event wrongAnswer(const QString& run, int i) {
  record::Event e;
  e.kind = record::kind::Wrong;
  e.run = run;
  e.machine = QStringLiteral("bench");
  e.wall = QDateTime::currentDateTimeUtc();
  e.form = QStringLiteral("Form1_1");
  e.field = i % 3;
  e.text = QStringLiteral("0,5%1").arg(i);
  return e;
}

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

// One event at a time, each waited for until its transaction is on the disk.
void EventWrite(benchmark::State& state) {
  QTemporaryDir dir;
  record::Recorder recorder(dir.filePath(QStringLiteral("record.sqlite")));
  std::vector<double> ms;
  int i = 0;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    recorder.add(wrongAnswer(QStringLiteral("bench1"), i++));
    recorder.flush();
    ms.push_back(t.nsecsElapsed() / 1e6);
  }
  state.counters["p50_ms"] = percentile(ms, 0.50);
  state.counters["p99_ms"] = percentile(ms, 0.99);
  // What the caller itself waits: the queueing only.
  QElapsedTimer t;
  t.start();
  for (int k = 0; k < 1000; ++k) recorder.add(wrongAnswer(QStringLiteral("bench2"), k));
  state.counters["add_us"] = t.nsecsElapsed() / 1e3 / 1000;
  recorder.flush();
}
BENCHMARK(EventWrite)->Iterations(500)->Unit(benchmark::kMillisecond);

// Form1_1's paced trace with the record on: its time against its floor of 10 ms a pacing step.
void PacedTraceRecorded(benchmark::State& state) {
  QTemporaryDir dir;
  record::Recorder recorder(dir.filePath(QStringLiteral("record.sqlite")));
  static RecordingMessageService yes;
  yes.answers.assign(1000, true);
  MainServices services{&yes};
  services.recorder = &recorder;
  CountingMain main(services);
  main.show();
  for (auto _ : state) {
    const PacedRun run = pacedForm1_1(main);
    state.counters["ratio"] = run.ms / run.floorMs;
  }
  recorder.flush();
}
BENCHMARK(PacedTraceRecorded)->Iterations(3)->Unit(benchmark::kMillisecond);

// Thirty connections of the student role, a thousand events each, every one its own
// transaction through the one function the role may call.
void ThirtyWriters(benchmark::State& state) {
  const QString url = qEnvironmentVariable("LUMEQ_BENCH_PG_URL");
  if (url.isEmpty()) {
    state.SkipWithError("LUMEQ_BENCH_PG_URL not set");
    return;
  }
  constexpr int Writers = 30, Each = 1000;
  for (auto _ : state) {
    const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch() % 100000);
    std::atomic<int> failed{0};
    QElapsedTimer t;
    t.start();
    std::vector<std::thread> threads;
    for (int w = 0; w < Writers; ++w)
      threads.emplace_back([&, w] {
        record::ClassDb db(url);
        const QString run = QStringLiteral("b%1%2").arg(stamp).arg(w, 2, 10, QLatin1Char('0'));
        for (int i = 0; i < Each; ++i)
          if (!db.send({wrongAnswer(run, i)}) && failed++ == 0) std::fprintf(stderr, "%s\n", qPrintable(db.why()));
      });
    for (auto& th : threads) th.join();
    const double s = t.nsecsElapsed() / 1e9;
    state.counters["events_per_s"] = Writers * Each / s;
    state.counters["failed"] = failed.load();
  }
}
BENCHMARK(ThirtyWriters)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
