#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: once on the ordinary build,
# once more on a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
(cd build && ctest --output-on-failure)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFRUIT_TRAITS_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
cd build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
    LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure
