#!/usr/bin/env bash
# Sets up what is missing, builds everything with AddressSanitizer and UBSan, runs every test,
# then fuzzes the input paths for a bounded time (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVKT_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
scripts/fuzz.sh
