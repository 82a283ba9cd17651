// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owns the loop of an animated trace: numbered passes, the pacing step, the end. The
// window writes only the recipe (what pass j draws). Between passes the event loop may run
// and may close the window, regenerate its data or close the program; the runner notices
// each of these and never draws with stale data or on a destroyed window.
#include <QPointer>
#include <functional>

class Host;
class QObject;

class TraceRunner {
 public:
  struct Recipe {
    // Draws pass j (1, 2, ...); returns false when j is the end pass (nothing more to draw).
    std::function<bool(int j)> step;
    // Runs once after the end pass, unless the trace was abandoned.
    std::function<void()> finish;
    // The pacing step runs before every n-th pass.
    int paceEvery = 1;
  };

  TraceRunner(Host& host, QObject* owner) : host_(host), owner_(owner) {}

  // Runs the recipe to its end. If this runner's trace is already on the stack (the event
  // loop re-entered the window mid-trace and started a new one), the running loop stops
  // drawing at its next pass and the new recipe runs from the start once it has unwound.
  void run(Recipe recipe);
  // Abandons the running trace (the window is closing or its data are being replaced).
  void cancel() {
    ++generation_;
    pendingValid_ = false;
  }
  bool running() const { return active_; }

 private:
  Host& host_;
  QObject* owner_;
  bool active_ = false;
  unsigned generation_ = 0;
  Recipe pending_;
  bool pendingValid_ = false;
};
