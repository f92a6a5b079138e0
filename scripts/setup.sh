#!/usr/bin/env bash
# Installs what Tavrin needs on Debian 12 and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
pkgs="cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev libsqlite3-dev libjpeg-dev
      libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick fonts-dejavu-core"
missing=""
for p in $pkgs; do dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"; done
if [ -n "$missing" ]; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
