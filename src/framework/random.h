// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator of the program. Windows draw parameters with RandomRange and
// re-seed with Randomize; tests replace the source to get the parameters they need.
//
// A window's draw starts from a seed (start): every value it draws, across its re-seeds, follows
// from that seed, so the record can keep the seed and a replay draw the same data again. The
// seeds themselves come from the clock and the system's entropy.
#include <cstdint>
#include <deque>
#include <memory>
#include <random>

namespace rnd {

using Seed = std::uint32_t;
// A seed for a new draw, never the same twice in a row.
Seed freshSeed();

class Source {
 public:
  virtual ~Source() = default;
  // A draw begins: the generator starts from seed (a test's scripted source may ignore it).
  virtual void start(Seed seed) { (void)seed; }
  // Re-seeding within a draw: the next seed follows from the draw's seed and the number of
  // re-seeds before, so draws stay independent of each other and repeatable each.
  virtual void reseed() = 0;
  // Uniform integer in [a, b); a when the range is empty.
  virtual int range(int a, int b) = 0;
};

class ClockSource : public Source {
 public:
  ClockSource() { start(freshSeed()); }
  void start(Seed seed) override;
  void reseed() override;
  int range(int a, int b) override;

 private:
  std::mt19937 gen_;
  Seed draw_ = 0;
  std::uint32_t reseeds_ = 0;
};

// Hands out scripted draws in order; when the script runs dry it falls back to real draws.
// A scripted value outside [a, b) is still returned: the test asked for it.
class ScriptedSource : public Source {
 public:
  void push(std::initializer_list<int> values) { script_.insert(script_.end(), values); }
  // Past the script, the draws are the seeded ones of a clock source.
  void start(Seed seed) override { fallback_.start(seed); }
  void reseed() override { fallback_.reseed(); }
  int range(int a, int b) override;
  bool empty() const { return script_.empty(); }

 private:
  std::deque<int> script_;
  ClockSource fallback_;
};

Source& source();
// Installs a new source and returns the previous one (for tests).
std::unique_ptr<Source> install(std::unique_ptr<Source> s);

}  // namespace rnd

inline int RandomRange(int a, int b) { return rnd::source().range(a, b); }
inline void Randomize() { rnd::source().reseed(); }
