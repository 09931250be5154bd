#!/usr/bin/env bash
# Installs, builds and runs the program's main job on the bundled demo catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/bin/velmora-plan --catalogue build/dev/bin --dump-catalogue
