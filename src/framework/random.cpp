// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <chrono>

namespace rnd {
namespace {
std::unique_ptr<Source>& slot() {
  static std::unique_ptr<Source> s = std::make_unique<ClockSource>();
  return s;
}
}  // namespace

void ClockSource::reseed() {
  gen_.seed(static_cast<unsigned>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int ClockSource::range(int a, int b) {
  if (b < a) std::swap(a, b);
  if (a == b) return a;
  return std::uniform_int_distribution<int>(a, b - 1)(gen_);
}

int ScriptedSource::range(int a, int b) {
  if (script_.empty()) return fallback_.range(a, b);
  const int v = script_.front();
  script_.pop_front();
  return v;
}

Source& source() { return *slot(); }

std::unique_ptr<Source> install(std::unique_ptr<Source> s) {
  std::swap(slot(), s);
  return s;
}

}  // namespace rnd
