#!/usr/bin/env bash
# Builds the start-up benchmark optimised and runs it: RUNS starts of each
# program (default 30), offscreen unless a display is chosen with
# QT_QPA_PLATFORM (e.g. QT_QPA_PLATFORM=xcb under xvfb-run).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
orvanta_ensure_packages
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
bin=build/bench/bench
"$bin/startup_bench" "${1:-30}" "$bin/orvanta_startup" "$bin/bare_window" "$bin/text_window"
