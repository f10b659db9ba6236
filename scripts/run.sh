#!/usr/bin/env bash
# Sets everything up, builds TOLVIN in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVIN_TESTS=OFF -DTOLVIN_BENCH=OFF >/dev/null
cmake --build build/release --target tolvin

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "TOLVIN is built (build/release/src/app/tolvin) but there is no display to show it on: start it from a desktop session." >&2
    exit 1
fi
exec build/release/src/app/tolvin
