#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the normal
# build (which also compiles the benchmarks, so they cannot rot) and once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a time-boxed fuzzing
# run of the file readers. Every tree compiles through ccache.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
# Paths below the project folder are hashed relative to it, so another checkout
# of the same sources (a fresh CI clone) hits the same cache entries.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
jobs=$(nproc)

start=$SECONDS
phase() {
  echo "test: $1 took $((SECONDS - start)) s"
  start=$SECONDS
}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGM_BUILD_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
phase "release build"
ctest --test-dir build --output-on-failure -j "$jobs"
phase "release tests"

if [ "${GM_SKIP_SANITIZERS:-0}" != "1" ]; then
  # -O1 keeps the asserts (no NDEBUG) and useful stacks, and builds and runs
  # far faster than -O0.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DGM_SANITIZE=ON >/dev/null
  cmake --build build-asan -j "$jobs"
  phase "sanitizer build"
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
  phase "sanitizer tests"
  bash scripts/fuzz.sh
  phase "fuzzing"
fi
