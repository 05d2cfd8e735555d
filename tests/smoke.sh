#!/usr/bin/env bash
# Runs a measuring tool as a test case: it passes only when the tool exits with 0 and its output has a line
# matching each pattern (extended regular expressions) given before "--".
# Usage: smoke.sh PATTERN... -- COMMAND [ARGS...]
set -u
patterns=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    patterns+=("$1")
    shift
done
shift
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$@" 2>&1 | tr -d '\r' | tee "$output"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || { echo "smoke: the tool exited with $status"; exit 1; }
for pattern in "${patterns[@]}"; do
    grep -Eq -- "$pattern" "$output" || { echo "smoke: no line of the output matches: $pattern"; exit 1; }
done
