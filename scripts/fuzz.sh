#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan, and runs each for a bounded time.
# FUZZ_SECONDS sets the time of each (default 20). Corpora and crash files stay out of the
# source tree: corpora in a temporary folder, crash inputs in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build-fuzz
seconds=${FUZZ_SECONDS:-20}
# -O1 with line tables: quick to build, fast enough to fuzz, readable stacks.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DCMAKE_CXX_COMPILER=clang++-14 \
  -DVKT_FUZZ=ON -DVKT_SANITIZE=ON -DVKT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzzers

corpora=$(mktemp -d /tmp/vkt-fuzz.XXXXXX)
trap 'rm -rf "$corpora"' EXIT
artifacts="$build/artifacts"
mkdir -p "$artifacts"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# name, then the fuzzer's own options
run() {
  local name=$1
  shift
  mkdir -p "$corpora/$name"
  echo "fuzz.sh: $name for ${seconds}s"
  "$build/fuzz/$name" "$corpora/$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$artifacts/$name-" "$@" 2>"$corpora/$name.log" ||
    { tail -n 60 "$corpora/$name.log" >&2; echo "fuzz.sh: $name failed, input in $artifacts" >&2; exit 1; }
  grep -E '^stat::number_of_executed_units' "$corpora/$name.log" || true
}

mkdir -p "$corpora/fuzz_roster_load"
"$build/fuzz/fuzz_roster_seeds" "$corpora/fuzz_roster_load"
run fuzz_roster_load -max_len=41660 -len_control=0
run fuzz_sjis_text -max_len=512
run fuzz_field_text -max_len=64
run fuzz_date_hex -max_len=10000
run fuzz_cell_block -max_len=2048
QT_QPA_PLATFORM=offscreen run fuzz_date_text -max_len=16
