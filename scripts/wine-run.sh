#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest: its output with Unix line ends, its exit code.
set -uo pipefail
wine "$@" | tr -d '\r'
exit "${PIPESTATUS[0]}"
