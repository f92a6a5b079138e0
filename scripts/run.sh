#!/usr/bin/env bash
# Sets everything up, then starts Tavrin on the demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec ./build/bin/tavrin
