#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
orvanta_ensure_packages poppler-utils

export QT_QPA_PLATFORM=offscreen
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
