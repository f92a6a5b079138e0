#!/usr/bin/env bash
# Installs the Debian 12 packages that Tavrin's build, tests, fuzzers and sanitizer build need
# and that are missing (with sudo unless run as root).
set -euo pipefail
pkgs="cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev libsqlite3-dev libjpeg-dev
      libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick fonts-dejavu-core
      clang libclang-rt-14-dev"
missing=""
for p in $pkgs; do dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"; done
if [ -n "$missing" ]; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
