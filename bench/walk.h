// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Walks a work from its first window to its last with animation off, each window marked as
// answered so that Next moves on. Returns, for each window (or repeated run), the time from
// the click to the end of its trace: on the clock and on this thread's processor (the latter
// does not count what other programs on a shared machine take).
#include <QString>
#include <vector>

class Main;
struct Opening {
  QString form;
  double ms = 0;
  double cpuMs = 0;
};
std::vector<Opening> walkWork(Main& main, const QString& firstForm);
