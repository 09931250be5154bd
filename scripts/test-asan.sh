#!/usr/bin/env bash
# Builds and runs the tests once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev-asan >/dev/null
cmake --build --preset dev-asan
# The "slow" tests repeat one check thousands of times; the plain run has them.
ctest --preset dev-asan --label-exclude slow
