// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator of the program. Windows draw parameters with RandomRange and
// re-seed with Randomize; tests replace the source to get the parameters they need.
#include <deque>
#include <memory>
#include <random>

namespace rnd {

class Source {
 public:
  virtual ~Source() = default;
  virtual void reseed() = 0;
  // Uniform integer in [a, b); a when the range is empty.
  virtual int range(int a, int b) = 0;
};

class ClockSource : public Source {
 public:
  void reseed() override;
  int range(int a, int b) override;

 private:
  std::mt19937 gen_{std::random_device{}()};
};

// Hands out scripted draws in order; when the script runs dry it falls back to real draws.
// A scripted value outside [a, b) is still returned: the test asked for it.
class ScriptedSource : public Source {
 public:
  void push(std::initializer_list<int> values) { script_.insert(script_.end(), values); }
  void reseed() override {}
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
