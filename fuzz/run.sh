#!/usr/bin/env bash
# Runs each fuzzer for the seconds given (default 60) from its seed corpus;
# new inputs go to a scratch folder, the seeds stay as they are, and an input
# that breaks a property is kept in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
status=0
for target in number_fuzzer:corpus batch_fuzzer:batch-corpus; do
    fuzzer="${target%%:*}"
    corpus="fuzz/${target##*:}"
    mkdir -p "$scratch/$fuzzer"
    echo "== $fuzzer"
    build/fuzz/fuzz/"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=5 \
        -artifact_prefix="$artifacts/" "$scratch/$fuzzer" "$corpus" 2>&1 |
        grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|property broken|==[0-9]+==ERROR|SUMMARY)" || true
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
exit "$status"
