#!/usr/bin/env bash
# Builds the libFuzzer targets of the readers and the script parser with clang
# (under ASan and UBSan) and runs each from a fixed seed and its committed
# corpus for a fixed time, GM_FUZZ_SECONDS (default 45) per target, so the
# run's length does not grow with the code or with a slow machine. Skipped
# when clang is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found, skipped"
  exit 0
fi
sekunden="${GM_FUZZ_SECONDS:-45}"
ziele=(fuzz_terragen fuzz_stm fuzz_bild fuzz_png fuzz_zeile fuzz_skriptdatei fuzz_palette
  fuzz_woerter fuzz_coffee)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DGM_FUZZ=ON -DGM_SANITIZE=ON \
  -DGM_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${ziele[@]}"
korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT
for ziel in "${ziele[@]}"; do
  mkdir -p "$korpus/$ziel"
  build-fuzz/fuzz/"$ziel" -seed=1 -max_total_time="$sekunden" -max_len=4096 \
    -rss_limit_mb=2048 -print_final_stats=1 "$korpus/$ziel" "fuzz/corpus/$ziel" 2>"$korpus/$ziel.log" \
    || { tail -40 "$korpus/$ziel.log"; echo "fuzz: $ziel failed"; exit 1; }
  laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "$korpus/$ziel.log")
  echo "fuzz: $ziel ran ${laeufe:-?} inputs in $sekunden s without a fault"
done
