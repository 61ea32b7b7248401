#!/usr/bin/env bash
# Sets up what is missing, builds the editor and starts it on FILE, or on an example roster.
# Without a display it writes the roster's two prints to PDF files instead and says where.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVKT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
vkt="$build/src/app/vkt"

if [ $# -eq 0 ]; then
  example="${XDG_DATA_HOME:-$HOME/.local/share}/varomel/example.vkt"
  mkdir -p "$(dirname "$example")"
  [ -f "$example" ] || "$vkt" --example "$example"
  set -- "$example"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  fi
  monthly="$(pwd)/$build/$(basename "${1%.vkt}")-monthly.pdf"
  day="$(pwd)/$build/$(basename "${1%.vkt}")-day.pdf"
  "$vkt" --pdf "$monthly" "$1"
  "$vkt" --pdf-day "$day" "$1"
  echo "No display here, so the editor was not started. The prints of $1 are:"
  echo "  monthly print:       $monthly"
  echo "  specified-day print: $day"
  echo "To see the editor, run this command in a desktop session, or under a virtual display:"
  echo "  xvfb-run -a $vkt $1"
  exit 0
fi
exec "$vkt" "$@"
