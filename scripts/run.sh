#!/usr/bin/env bash
# Sets everything up, builds, and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/app/fruit-traits
