#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds the engine and data
# libraries once more with AddressSanitizer and UndefinedBehaviorSanitizer and runs their
# tests again; then builds the fuzz targets with clang and runs each of them once over its
# initial corpus and its regression inputs (no fuzzing: scripts/fuzz.sh does that).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j2)
bash scripts/build.sh build-asan -DNMK_SANITIZE=ON -DNMK_BUILD_UI=OFF -DNMK_BUILD_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j2)
CXX=clang++-14 bash scripts/build.sh build-fuzz -DNMK_FUZZ=ON
(cd build-fuzz && ctest --output-on-failure -j2)
