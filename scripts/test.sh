#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test headless.
#   --sanitize   the same under AddressSanitizer + UndefinedBehaviorSanitizer
#   --fuzz       also build the number fuzzer with clang and run it briefly
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

preset=ci
fuzz=no
for arg in "$@"; do
    case "$arg" in
        --sanitize) preset=sanitize ;;
        --fuzz) fuzz=yes ;;
        *) echo "usage: $0 [--sanitize] [--fuzz]" >&2; exit 2 ;;
    esac
done

# The validators, and for the real-display and screen-reader tests a virtual
# X server, real input and the accessibility bus a screen reader listens on;
# for printing, a CUPS scheduler with a cups-pdf queue; strace, to make a read
# of the batch's input fail.
extra=(poppler-utils desktop-file-utils appstream xvfb xauth xdotool dbus at-spi2-core python3-pyatspi cups printer-driver-cups-pdf strace)
[ "$fuzz" = yes ] && extra+=(clang libclang-rt-14-dev)
orvanta_ensure_packages "${extra[@]}"

export QT_QPA_PLATFORM=offscreen
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"

if [ "$fuzz" = yes ]; then
    cmake --preset fuzz
    cmake --build --preset fuzz
    fuzz/run.sh "${ORVANTA_FUZZ_SECONDS:-60}"
fi
