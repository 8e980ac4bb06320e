#!/usr/bin/env bash
# Installs what is missing, builds and starts Gravimonte.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/src/app/gravimonte ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/app/gravimonte "$@"
fi
echo "No display (or no window built): running the command-line demo instead."
mkdir -p build/demo
build/src/cli/gravimonte-cli --seed 7 --size 257x257 --gen noise \
  --line 'paintmode(3)' --gen midpoint Anstieg=0.8 --save build/demo/demo.fla --info
echo "Wrote build/demo/demo.fla"
