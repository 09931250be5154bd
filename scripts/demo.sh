#!/usr/bin/env bash
# Installs, builds and runs the program's main job on the bundled demo catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
# The demo catalogue is German: show the numbers as a German user sees them.
exec env LC_ALL=de_DE.UTF-8 build/dev/bin/velmora-plan --catalogue build/dev/bin --room-width 3,5 --room-length 4 --room-height 2,2 --volume 5000 --opening-width 0,8 --opening-height 1,9 --boiler-room --boiler-width 1 --boiler-length 1 --boiler-position UR --format text
