#!/usr/bin/env bash
# Sets up what is missing, builds the editor and starts it; extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVKT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built $(pwd)/$build/src/app/vkt, but there is no display to show it on."
  echo "Run this command from a desktop session, or start a virtual display first:"
  echo "  xvfb-run -a $build/src/app/vkt"
  exit 0
fi
exec "$build/src/app/vkt" "$@"
