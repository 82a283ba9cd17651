#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the trainer and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole suite there with leak checking on: any finding fails a test.
# Then, where clang and its fuzzer runtime are at hand, fuzzes the number text with libFuzzer
# for a bounded time (the suite has already run the seeded loop of the same target).
set -euo pipefail
cd "$(dirname "$0")/.."
# The project's CMake files use ccache by themselves when it is installed (setup.sh installs
# it), so a rebuild of unchanged sources is a cache hit. The fuzz project is a project of its own.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# -O1 keeps the instrumented suite quick; -g1 is enough for file:line in the reports.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DLUMEQ_SANITIZE=ON \
  >/dev/null
cmake --build build-asan -j2

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
# One locale: the Russian runs differ from the C ones only in the decimal separator, which the
# optimised suite and the number-text fuzzing cover; the long deep runs are left to the
# optimised build too. This halves the instrumented suite, most of the sanitizer stage after
# its build.
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan -j2 -LE deep -E '_ru$' --output-on-failure

packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
    echo "sanitize.sh: no clang fuzzer runtime; the seeded number-text loop above stands in for libFuzzer"
fi
if command -v clang++ >/dev/null; then
  cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
  cmake --build build-fuzz -j2
  mkdir -p build-fuzz/corpus
  if ! ./build-fuzz/numtext_libfuzzer -max_total_time=20 -print_final_stats=1 -dict=tests/fuzz/numtext.dict \
      build-fuzz/corpus >build-fuzz/fuzz.log 2>&1; then
    tail -40 build-fuzz/fuzz.log
    exit 1
  fi
  grep -E "^(INFO: Seed|Done|stat::number_of_executed_units)" build-fuzz/fuzz.log
fi
