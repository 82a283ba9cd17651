// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the number-text fuzz target where libFuzzer is missing: seeded random inputs built
// from the keys a student might press (and some nobody should), plus raw doubles.
// Usage: numtext_fuzz [count] [seed]
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 100000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10))
                                 : static_cast<unsigned>(std::random_device{}());
  std::printf("numtext_fuzz: seed %u\n", seed);
  std::fflush(stdout);
  std::mt19937_64 gen(seed);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(gen() % n); };
  static const char* const keys[] = {"0", "1", "2",  "5",    "9",  "0",     "7",      ".",        ",",        "-",
                                     "+", "e", "E",  " ",    "\t", "x",     "a",      "inf",      "nan",      "е",
                                     "Е", "ж", "0x", "\xff", "∞",  "1e308", "1e-308", "00000000", "99999999", "\0"};
  const auto start = std::chrono::steady_clock::now();
  std::string in;
  for (long i = 0; i < count; ++i) {
    in.assign(1, static_cast<char>(gen()));
    switch (pick(4)) {
      case 0: {  // raw bit pattern of a double, then key noise
        const std::uint64_t bits = gen();
        in.append(reinterpret_cast<const char*>(&bits), sizeof bits);
        break;
      }
      case 1: {  // a decimal of up to 17 digits with an exponent
        in += std::to_string(gen() % 100000000000000000ULL);
        in.insert(1 + pick(in.size()), 1, ".,"[pick(2)]);
        if (pick(2)) in += "eE"[pick(2)] + std::string(pick(2) ? "-" : "") + std::to_string(pick(330));
        break;
      }
      default: {  // key soup, occasionally very long
        const std::size_t n = pick(10) == 0 ? 200 + pick(2000) : pick(14);
        for (std::size_t k = 0; k < n; ++k) {
          const char* key = keys[pick(sizeof keys / sizeof *keys)];
          in.append(key, *key ? std::strlen(key) : 1);
        }
      }
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(in.data()), in.size());
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("numtext_fuzz: %ld inputs in %.1f s, no finding\n", count, s);
  return 0;
}
