#!/usr/bin/env bash
# Runs the number fuzzer for the seconds given (default 60) from the seed
# corpus; new inputs go to a scratch folder, the seeds stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
build/fuzz/fuzz/number_fuzzer -max_total_time="$seconds" -print_final_stats=1 -timeout=5 \
    "$scratch" fuzz/corpus 2>&1 | grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|property broken|==[0-9]+==ERROR|SUMMARY)" || true
test "${PIPESTATUS[0]}" -eq 0
