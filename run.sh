#!/usr/bin/env bash
# Installs dependencies, builds the program (Release) and plays GAME_DIR (default: the demo).
# Without a display it plays the demo headless and writes snapshots instead.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORV_TESTS=OFF -DMORV_BENCHMARKS=OFF >/dev/null
cmake --build build/release
game=$(realpath "${1:-games/demo}")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  out="$root/build/headless-demo"
  mkdir -p "$out"
  echo "No display found: playing $game headless."
  "$root/build/release/morv-headless" "$game" --events "$root/games/demo-events.txt" --out "$out"
  echo "Trace and snapshots written to $out"
else
  exec "$root/build/release/morv" "$game"
fi
