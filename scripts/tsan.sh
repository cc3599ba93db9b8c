#!/usr/bin/env bash
# Builds the tests that start the effect worker or the movie decoder with ThreadSanitizer in build/tsan
# and runs them; any data race it reports fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMORV_SANITIZE=OFF -DMORV_SDL=OFF \
  -DMORV_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  ${MORV_CMAKE_ARGS:-} >/dev/null
cmake --build build/tsan --target morv_thread_tests ${MORV_BUILD_ARGS:-}
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
build/tsan/morv_thread_tests
