#!/usr/bin/env bash
# Installs dependencies, builds the program (Release) and plays GAME_DIR (default: the demo).
# Without a display it plays GAME_DIR headless (with its own headless.events, if any) and writes
# the trace and snapshots to build/headless/<game>.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORV_TESTS=OFF -DMORV_BENCHMARKS=OFF >/dev/null
cmake --build build/release
game=$(realpath "${1:-games/demo}")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # Each game gets its own output folder, emptied first so that no old snapshot stays beside the new ones.
  out="$root/build/headless/$(basename "$game")"
  rm -rf "$out"
  mkdir -p "$out"
  events="$game/headless.events"
  if [ -f "$events" ]; then
    echo "No display found: playing $game headless with its event file $events."
  else
    echo "No display found: playing $game headless until it first waits for the player (it has no headless.events)."
    events="$out/first-wait.events"
    printf 'until-idle 60000\nsnapshot first-wait\nquit\n' >"$events"
  fi
  status=0
  "$root/build/release/morv-headless" "$game" --events "$events" --out "$out" || status=$?
  echo "Trace and snapshots written to $out"
  exit "$status"
else
  exec "$root/build/release/morv" "$game"
fi
