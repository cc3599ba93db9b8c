#!/usr/bin/env bash
# Installs dependencies, builds the test configuration (Debug with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test; the threaded ones run under ThreadSanitizer too.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORV_SANITIZE=ON >/dev/null
cmake --build build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The tests that start the effect worker or the movie decoder, first under ThreadSanitizer (its output only
# when it fails), then every test.
if ! scripts/tsan.sh >build/tsan.log 2>&1; then
  cat build/tsan.log
  echo "ThreadSanitizer run failed"
  exit 1
fi
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
