#!/usr/bin/env bash
# Builds the trainer and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole suite there with leak checking on. Any finding fails a test.
# With clang the number-text fuzz target runs under libFuzzer; with g++ it is a seeded loop.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" || true
fi
compiler=g++
command -v clang++ >/dev/null && compiler=clang++
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# -O1 keeps the instrumented suite quick; -g1 is enough for file:line in the reports.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$compiler" \
  -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" -DLUMEQ_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build-asan -j2

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_init_order=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
