#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest and hands back its output with Unix line ends and its
# exit code. The output goes through files: Wine's helper processes, which may outlive the program,
# would keep a pipe open and CTest waiting.
set -u
out=$(mktemp) err=$(mktemp)
wine "$@" >"$out" 2>"$err"
status=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
rm -f "$out" "$err"
[ $status = 0 ] || echo "wine-run: $1 ended with exit status $status" >&2
exit $status
