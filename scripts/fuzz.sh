#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz as libFuzzer fuzzers (clang, with AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for the given number of seconds
# (default 60). Fails when a target crashes, leaks, trips a sanitizer or a check; the failing input
# is kept in build-fuzz/findings/TARGET/. Once the fault is fixed, the input goes into
# tests/fuzz/regressions/NAME/, which the normal test suite replays.
#
#   scripts/fuzz.sh [seconds]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz
seconds=${1:-60}
jobs=${QUOLSA_JOBS:-$(nproc)}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUOLSA_FUZZ=ON -DQUOLSA_BENCH=OFF >/dev/null || { echo "fuzz: cmake failed" >&2; exit 1; }
cmake --build "$build" --target fuzz_targets -j "$jobs" ||
  { echo "fuzz: the fuzz build failed" >&2; exit 1; }

# Leaks inside the toolkit's libraries are not the program's (the suppressions of the test suite).
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
while read -r fuzzer dict inputs; do
  [ -n "$fuzzer" ] || continue
  corpus=$build/corpus/$fuzzer findings=$build/findings/$fuzzer
  mkdir -p "$corpus" "$findings"
  options=()
  [ "$dict" = - ] || options+=(-dict="$dict")
  seeds=()
  for d in $inputs; do [ -d "$d" ] && seeds+=("$d"); done
  echo "=== fuzz: $fuzzer for ${seconds}s ==="
  # New inputs go into the first directory, the build's own; the committed seeds stay as they are.
  if "$build/bin/$fuzzer" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
    -artifact_prefix="$findings/" -print_final_stats=1 "${options[@]}" "$corpus" "${seeds[@]}" \
    >"$build/$fuzzer.log" 2>&1; then
    grep -E "^(stat::number_of_executed_units|stat::new_units_added|Done )" "$build/$fuzzer.log"
  else
    echo "fuzz: $fuzzer FAILED; input kept in $findings/" >&2
    tail -n 60 "$build/$fuzzer.log" >&2
    status=1
  fi
done <"$build/fuzz-targets.txt"

if [ $status = 0 ]; then echo "fuzz: every target ran clean"; else echo "fuzz: FAILED" >&2; fi
exit $status
