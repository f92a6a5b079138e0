#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing (with sudo unless run as root): those the
# build, the tests and the sanitizer build need, and with the argument "fuzz" also clang and its
# fuzzer runtime for the fuzz targets. mdbtools reads back the Jet files the tests write.
set -euo pipefail
pkgs="cmake g++ make pkg-config qt6-base-dev libgl1-mesa-dev libsqlite3-dev libjpeg-dev
      libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth imagemagick fonts-dejavu-core
      desktop-file-utils appstream file dpkg-dev mdbtools mdbtools-dev"
if [ "${1:-}" = fuzz ]; then
  pkgs="$pkgs clang libclang-rt-14-dev"
fi
missing=""
for p in $pkgs; do dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"; done
if [ -n "$missing" ]; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
