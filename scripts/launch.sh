#!/usr/bin/env bash
# Builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
orvanta_ensure_packages

cmake --preset default >/dev/null
cmake --build --preset default --target orvanta
exec build/default/app/orvanta
