#!/usr/bin/env bash
# Installs the Debian packages the build needs; quiet when nothing is missing.
set -euo pipefail
pakete=(cmake ninja-build ccache g++ clang libgtest-dev libbenchmark-dev qt6-base-dev
        libjpeg62-turbo-dev libpng-dev libsleef-dev)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installing: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
fi
