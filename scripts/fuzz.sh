#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for the given number of seconds,
# starting from the seed corpora in fuzz/corpus/. Inputs found on the way are kept in
# build-fuzz/corpus/<target>; a crash is written to build-fuzz/crashes/ and ends the script
# with an error.
#
#   bash scripts/fuzz.sh [seconds per target, default 60] [target ...]
#   targets: filter sort jetsql filecheck jpeg jetimport (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/packages.sh fuzz
seconds="${1:-60}"
[ $# -gt 0 ] && shift
targets="${*:-filter sort jetsql filecheck jpeg jetimport}"

flags="-g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
for t in $targets; do build_targets="${build_targets:-} fuzz_$t"; done
# shellcheck disable=SC2086
cmake --build build-fuzz -j2 --target $build_targets

mkdir -p build-fuzz/crashes
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
status=0
for t in $targets; do
  mkdir -p "build-fuzz/corpus/$t"
  log="build-fuzz/fuzz_$t.log"
  # A Jet file that keeps libmdb busy for seconds is a hang, as the program's import would see it.
  limits=""
  [ "$t" = jetimport ] && limits="-timeout=10"
  # shellcheck disable=SC2086
  if ./build-fuzz/bin/fuzz_"$t" -max_total_time="$seconds" -print_final_stats=1 $limits \
       -artifact_prefix="build-fuzz/crashes/$t-" "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: clean, $runs runs in ${seconds}s"
  else
    echo "fuzz_$t: FAILED, see $log"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -5 || true
    status=1
  fi
done
exit $status
