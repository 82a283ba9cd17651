// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a test chooses itself, handed to a model as its random source: each range(a, b) asks f.
#include <functional>
#include <utility>

#include "framework/random.h"

class CallSource : public rnd::Source {
 public:
  explicit CallSource(std::function<int(int, int)> f) : f_(std::move(f)) {}
  void reseed() override {}
  int range(int a, int b) override { return f_(a, b); }

 private:
  std::function<int(int, int)> f_;
};

// The source for one model call, as in drawParams(calls(lowest)); the next call replaces it.
inline rnd::Source& calls(std::function<int(int, int)> f) {
  static CallSource s({});
  s = CallSource(std::move(f));
  return s;
}
