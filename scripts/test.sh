#!/usr/bin/env bash
# Sets everything up, builds every test program and runs them all: unit, widget and
# end-to-end tests, then the fuzz targets over their stored corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVIN_WERROR=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# The soak test under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer:
# only what it needs is built, and it runs its short fixed-seed version.
cmake -S . -B build/soak -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVIN_SANITIZE=ON -DTOLVIN_BENCH=OFF \
    -DTOLVIN_WERROR=ON
cmake --build build/soak -j "$jobs" --target soak_tests
ctest --test-dir build/soak --output-on-failure -R '^soak_tests$'

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVIN_FUZZ=ON -DTOLVIN_WERROR=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure
