// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the README: start-up and peak memory against a bare Qt window (whole
// processes, medians of ten pairs), traces unpaced and paced, works walked through.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "framework/canvas.h"
#include "framework/messages.h"
#include "walk.h"

namespace {

struct Run {
  double ms = 0;
  double mib = 0;
};

// One process from start to exit: wall time and peak resident memory.
Run runProcess(const char* path, const char* arg = nullptr) {
  QElapsedTimer t;
  t.start();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    execl(path, path, arg, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage use{};
  wait4(pid, &status, 0, &use);
  return {t.nsecsElapsed() / 1e6, use.ru_maxrss / 1024.0};
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void comparePairs(benchmark::State& state, const char* arg) {
  for (auto _ : state) {
    std::vector<double> ms, bareMs, mib, bareMib;
    for (int i = 0; i < 10; ++i) {
      const Run a = runProcess(PROBE_PATH, arg), b = runProcess(BARE_PATH);
      ms.push_back(a.ms), mib.push_back(a.mib), bareMs.push_back(b.ms), bareMib.push_back(b.mib);
    }
    state.counters["ms"] = median(ms);
    state.counters["bare_ms"] = median(bareMs);
    state.counters["time_ratio"] = median(ms) / median(bareMs);
    state.counters["MiB"] = median(mib);
    state.counters["bare_MiB"] = median(bareMib);
    state.counters["memory_ratio"] = median(mib) / median(bareMib);
  }
}

void StartUp(benchmark::State& state) { comparePairs(state, nullptr); }
BENCHMARK(StartUp)->Iterations(1)->Unit(benchmark::kMillisecond);

// An eight-window astatism work walked through to its last window.
void EightWindowWork(benchmark::State& state) { comparePairs(state, "Form19_1"); }
BENCHMARK(EightWindowWork)->Iterations(1)->Unit(benchmark::kMillisecond);

RecordingMessageService& yes() {
  static RecordingMessageService m;
  m.answers.assign(1000, true);
  return m;
}

// The first window of every work: the work buttons' and the section buttons' own.
const QStringList& firstForms() {
  static const QStringList forms = [] {
    QStringList f;
    for (const auto& w : workButtons()) f << w.form;
    for (const auto& s : sectionButtons())
      if (!s.form.isEmpty()) f << s.form;
    return f;
  }();
  return forms;
}

// Every work walked through with animation off: each window's open plus its whole trace. The
// worst window is the one whose median over the runs is the longest; the first run (fonts
// and pictures made once for the program) counts like any other.
void Works(benchmark::State& state) {
  const QString form = firstForms().at(static_cast<int>(state.range(0)));
  if (!programWindows().has(form)) {
    state.SkipWithError("not built yet");
    return;
  }
  CountingMain main(MainServices{&yes()});
  main.p->setChecked(false);
  std::vector<std::vector<double>> ms, cpu;
  std::vector<QString> names;
  for (auto _ : state) {
    const std::vector<Opening> run = walkWork(main, form);
    ms.resize(std::max(ms.size(), run.size())), cpu.resize(ms.size()), names.resize(ms.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
      ms[i].push_back(run[i].ms), cpu[i].push_back(run[i].cpuMs), names[i] = run[i].form;
    }
    main.BMenuClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::size_t worst = 0;
  for (std::size_t i = 0; i < ms.size(); ++i)
    if (median(cpu[i]) > median(cpu[worst])) worst = i;
  state.SetLabel((form + QStringLiteral(" worst ") + names[worst]).toStdString());
  state.counters["windows"] = static_cast<double>(ms.size());
  state.counters["worst_window_ms"] = median(ms[worst]);
  state.counters["worst_window_cpu_ms"] = median(cpu[worst]);
}
BENCHMARK(Works)->DenseRange(0, 21)->Unit(benchmark::kMillisecond);

// Form1_1's paced trace against its floor of one 10 ms slot per pacing step.
void PacedTrace(benchmark::State& state) {
  CountingMain main(MainServices{&yes()});
  main.show();
  for (auto _ : state) {
    const PacedRun run = pacedForm1_1(main);
    state.counters["ms"] = run.ms;
    state.counters["floor_ms"] = run.floorMs;
    state.counters["ratio"] = run.ms / run.floorMs;
  }
}
BENCHMARK(PacedTrace)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  fonts::install();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
