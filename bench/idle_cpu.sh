#!/usr/bin/env bash
# Idle cost of the game window: starts `morv` on the demo under a virtual X server,
# lets it reach its first wait for the player (the title menu), then measures the
# processor time it uses over 10 seconds as a share of one core. Target: below 1 %.
#
#   bench/idle_cpu.sh [MORV_BINARY] [GAME_DIR]
#
# MORV_BINARY defaults to build/release/morv, else build/test/morv; GAME_DIR to games/demo.
set -euo pipefail
cd "$(dirname "$0")/.."

binary=${1:-}
if [[ -z $binary ]]; then
  for candidate in build/release/morv build/test/morv; do
    if [[ -x $candidate ]]; then binary=$candidate; break; fi
  done
fi
game=${2:-games/demo}
settle_s=${SETTLE_S:-8}
measure_s=10

if ! command -v Xvfb >/dev/null; then
  echo "idle_cpu: Xvfb is not installed; nothing measured (apt-get install xvfb)"
  exit 0
fi
if [[ -z $binary || ! -x $binary ]]; then
  echo "idle_cpu: no morv binary (build one with ./run.sh or give its path)" >&2
  exit 1
fi

# A display number nobody uses.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
morv=
cleanup() {
  [[ -n $morv ]] && kill "$morv" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done

DISPLAY=":$display" SDL_AUDIODRIVER=dummy "$binary" "$game" >/dev/null 2>&1 &
morv=$!
sleep "$settle_s"
if ! kill -0 "$morv" 2>/dev/null; then
  echo "idle_cpu: morv ended before it was measured" >&2
  exit 1
fi

ticks() { awk '{print $14 + $15}' "/proc/$morv/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
start=$(date +%s.%N)
sleep "$measure_s"
after=$(ticks)
end=$(date +%s.%N)
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" -v bin="$binary" 'BEGIN {
  share = 100 * t / hz / (e - s)
  printf "idle_cpu: %s waiting on the title menu used %.2f %% of a core over %.1f s (target < 1 %%)\n", bin, share, e - s
}'
