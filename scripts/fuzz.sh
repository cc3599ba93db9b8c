#!/usr/bin/env bash
# Builds one libFuzzer program per file reader (clang, build/fuzz) and runs each for
# SECONDS (default 60) on its committed seeds; prints every target's executions and
# findings. Usage: scripts/fuzz.sh [SECONDS [TARGET...]]
# Findings land in build/fuzz/findings/TARGET/; a reproducer worth keeping goes to
# fuzz/reproducers/TARGET/ once its fault is fixed, so that ./test.sh runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
all_targets=(config scenario show button archive bmp png read_log flags events flash ripple user_settings ico save_reader movie)
if [ $# -gt 0 ]; then targets=("$@"); else targets=("${all_targets[@]}"); fi

command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is needed (apt-get install clang)" >&2; exit 2; }
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORV_FUZZ=ON -DMORV_TESTS=OFF \
  -DMORV_SDL=OFF -DMORV_BENCHMARKS=OFF -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang >/dev/null
cmake --build build/fuzz --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
findings=0
printf '%-10s %14s  %s\n' target executions result
for target in "${targets[@]}"; do
  work=build/fuzz/corpus/$target
  found=build/fuzz/findings/$target
  log=build/fuzz/$target.log
  mkdir -p "$work" "$found"
  status=0
  "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$found/" "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    result="no finding"
  else
    findings=$((findings + 1))
    result="FINDING (exit $status): $(ls -t "$found" | head -n 1), see $log"
  fi
  printf '%-10s %14s  %s\n' "$target" "${runs:-?}" "$result"
done
[ "$findings" -eq 0 ]
