// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <atomic>
#include <chrono>

namespace rnd {
namespace {
// splitmix64: spreads neighbouring inputs over the whole range.
std::uint64_t mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

std::unique_ptr<Source>& slot() {
  static std::unique_ptr<Source> s = std::make_unique<ClockSource>();
  return s;
}
}  // namespace

Seed freshSeed() {
  static std::atomic<std::uint64_t> counter{std::random_device{}()};
  const auto now = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  return static_cast<Seed>(mix(now ^ mix(counter.fetch_add(1))));
}

void ClockSource::start(Seed seed) {
  draw_ = seed;
  reseeds_ = 0;
  gen_.seed(static_cast<std::uint32_t>(mix(seed)));
}

void ClockSource::reseed() {
  ++reseeds_;
  gen_.seed(static_cast<std::uint32_t>(mix((std::uint64_t{draw_} << 32) | reseeds_)));
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
