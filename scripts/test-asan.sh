#!/usr/bin/env bash
# Builds and runs every test once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev-asan >/dev/null
cmake --build --preset dev-asan
ctest --preset dev-asan
