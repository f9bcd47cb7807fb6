#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh WINE64 PROGRAM ARGS...
#
# On a loaded machine a Wine process now and then dies before the program's
# first instruction: no output at all, a non-zero status, a few hundredths of
# a second. Such a start, and only such a start, is tried once more, and says
# so on standard error. A program that printed anything keeps its own result,
# so a real failure is never run again and never hidden.
set -u
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$@" 2>"$err" | tee "$out"
status=${PIPESTATUS[0]}
cat "$err" >&2
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  echo "wine-run: $2 ended with status $status before printing anything; started once more" >&2
  "$@"
  exit $?
fi
exit "$status"
