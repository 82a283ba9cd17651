// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <ctime>

#include "app/main_window.h"
#include "framework/experiment_window.h"

namespace {
// The window's own timer delay (up to 100 ms by design) is not work: fire it at once.
void fireTimer(Main& main) {
  QCoreApplication::processEvents();
  if (ExperimentWindow* w = main.activeChild(); w && w->Timer1->isActive()) {
    w->Timer1->stop();
    w->Timer1Timer();
  }
}

double cpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void settle(Main& main) {
  fireTimer(main);
  // A few rounds at least: a new window becomes the active one through posted events.
  for (int i = 0; i < 100000; ++i) {
    QCoreApplication::processEvents();
    if (i < 5) continue;
    auto* w = main.activeChild();
    if (!main.Busy && !(w && w->Timer1->isActive())) return;
  }
}
}  // namespace

std::vector<Opening> walkWork(Main& main, const QString& firstForm) {
  QElapsedTimer t;
  t.start();
  double cpu = cpuMs();
  main.workClick(firstForm);
  settle(main);
  std::vector<Opening> ms{{firstForm, t.nsecsElapsed() / 1e6, cpuMs() - cpu}};
  // Repeated runs (the frequency windows) count as windows too; the bound keeps it finite.
  for (int step = 0; step < 16; ++step) {
    ExperimentWindow* w = main.activeChild();
    if (!w) break;
    main.work().setCompleted(w->objectName(), true);
    const QString before = w->objectName() + w->windowTitle();
    t.restart();
    cpu = cpuMs();
    main.BNextClick();
    settle(main);
    ExperimentWindow* now = main.activeChild();
    if (!now || now->objectName() + now->windowTitle() == before) break;
    ms.push_back({now->objectName(), t.nsecsElapsed() / 1e6, cpuMs() - cpu});
  }
  return ms;
}

PacedRun pacedForm1_1(CountingMain& main) {
  main.p->setChecked(true);
  main.steps = 0;
  QElapsedTimer t;
  t.start();
  main.workClick(QStringLiteral("Form1_1"));
  while (main.Busy || (main.activeChild() && main.activeChild()->Timer1->isActive())) QCoreApplication::processEvents();
  const PacedRun run{t.nsecsElapsed() / 1e6, main.steps * 10.0};
  main.BMenuClick();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return run;
}
