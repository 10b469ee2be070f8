#!/usr/bin/env bash
# Sets everything up, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
ctest --output-on-failure
