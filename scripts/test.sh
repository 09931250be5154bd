#!/usr/bin/env bash
# Installs, builds and runs every test (warnings are errors here).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-qt-includes.sh
bash scripts/check-include-direction.sh --self-test
bash scripts/check-include-direction.sh
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
