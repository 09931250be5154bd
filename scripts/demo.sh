#!/usr/bin/env bash
# Installs, builds and starts the program with the bundled demo catalogue. Without a display
# the program says so and names velmora-plan, the headless planner (see README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
# Only the program and what it reads (catalogue, pictures, guide), and the headless planner
# that the program names without a display; no tests, no benchmarks.
cmake --build --preset dev --target velmora velmora-plan demo_catalogue demo_pictures help_guide \
  help_pictures
# The demo catalogue is German: show the numbers as a German user sees them.
exec env LC_ALL=de_DE.UTF-8 build/dev/bin/velmora
