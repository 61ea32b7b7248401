#!/usr/bin/env bash
# Release build of the program and its benchmarks; prints the in-process figures (Google
# Benchmark) and the whole-process ones: start-up to the first shown window under Xvfb, and
# peak memory with a full roster open. Extra arguments go to the benchmark executable.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVKT_BENCH=ON -DVKT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target vkt vkt_bench vkt_full_roster >/dev/null

work=$(mktemp -d /tmp/vkt-bench.XXXXXX)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# The program registers its file type at start-up: keep that away from the real profile.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
vkt="$build/src/app/vkt"
roster="$work/full.vkt"
"$build/bench/vkt_full_roster" "$roster"

echo "== in-process (Google Benchmark)"
QT_QPA_PLATFORM=offscreen "$build/bench/vkt_bench" "$@"

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
while [ ! -s "$work/display" ]; do :; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

# Seconds from launch until the main window (titled after the file) is mapped.
time_to_window() {
  local start window=""
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  local pid=$!
  until [ -n "$window" ]; do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"full\.vkt - / {print $1; exit}')
  done
  until xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; do :; done
  local end
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

echo "== start-up to the shown window, full roster (ms)"
time_to_window "$vkt" "$roster" >/dev/null # first run writes the desktop files
runs=()
for _ in 1 2 3 4 5 6 7; do runs+=("$(time_to_window "$vkt" "$roster")"); done
echo "runs: ${runs[*]}  median: $(printf '%s\n' "${runs[@]}" | sort -n | sed -n 4p)"

echo "== peak memory, full roster open (MiB)"
/usr/bin/time -v -o "$work/time.txt" "$vkt" "$roster" >/dev/null 2>&1 &
time_pid=$!
until xwininfo -root -tree 2>/dev/null | grep -q '"full\.vkt - '; do :; done
kill "$(pgrep -P "$time_pid")"
wait "$time_pid" 2>/dev/null || true
awk -F': ' '/Maximum resident set size/ {printf "%.1f\n", $2 / 1024}' "$work/time.txt"

echo "== headless PDF export"
if "$vkt" --help | grep -q -- '--pdf'; then
  /usr/bin/time -f '%e s, %M KiB peak' "$vkt" --pdf "$work/roster.pdf" "$roster"
else
  echo "not measured: this build has no --pdf option"
fi
