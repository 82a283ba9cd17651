// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Walks a work from its first window to its last with animation off, each window marked as
// answered so that Next moves on. Returns, for each window (or repeated run), the time from
// the click to the end of its trace: on the clock and on this thread's processor (the latter
// does not count what other programs on a shared machine take).
#include <QString>
#include <vector>

#include "app/main_window.h"

struct Opening {
  QString form;
  double ms = 0;
  double cpuMs = 0;
};
std::vector<Opening> walkWork(Main& main, const QString& firstForm);

// A main window that counts its pacing steps.
class CountingMain : public Main {
 public:
  using Main::Main;
  void pace() override {
    if (p->isChecked()) ++steps;
    Main::pace();
  }
  int steps = 0;
};

// Form1_1 played with pacing on, from its click to the end of its trace; its time in ms and its
// floor of 10 ms a pacing step. Goes back to the start screen after.
struct PacedRun {
  double ms = 0, floorMs = 0;
};
PacedRun pacedForm1_1(CountingMain& main);
