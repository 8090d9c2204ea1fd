#!/usr/bin/env bash
# Builds QUOLSA twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer) and runs every
# test in both builds, runs every fuzz target for a short fixed time (scripts/fuzz.sh), then
# cross-builds the Windows executable and runs its tests under Wine (scripts/test-windows.sh).
# Window tests run under a virtual X server that this script starts.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh || exit 1

jobs=$(nproc)
status=0

build() { # dir, extra cmake args...
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null &&
    cmake --build "$dir" -j "$jobs"
}

# A private X server for the window tests.
source scripts/xvfb.sh
start_xvfb || exit 1

run_suite() { # label, build dir
  echo "=== tests: $1 ==="
  ctest --test-dir "$2" --output-on-failure -j "$jobs" || status=1
}

if build build; then run_suite plain build; else echo "test: plain build failed" >&2; status=1; fi

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if build build-asan -DQUOLSA_SANITIZE=ON -DQUOLSA_BENCH=OFF; then
  run_suite sanitizers build-asan
else
  echo "test: sanitizer build failed" >&2
  status=1
fi

echo "=== fuzz ==="
bash scripts/fuzz.sh 30 || status=1

bash scripts/test-windows.sh || status=1

if [ $status = 0 ]; then echo "test: all suites passed"; else echo "test: FAILED" >&2; fi
exit $status
