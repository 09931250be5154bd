#!/usr/bin/env bash
# The program as users start it: without a display it names the headless planner and ends
# with status 1; installed into a fresh prefix it starts offscreen with its catalogue.
#   program-test.sh <build directory>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/bin/velmora" 2>&1) || status=$?
[[ $status -eq 1 ]] || { echo "without a display: status $status, expected 1"; exit 1; }
[[ $(wc -l <<<"$message") -eq 1 && $message == *velmora-plan* ]] ||
  { echo "without a display: expected one line naming velmora-plan, got: $message"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/velmora bin/velmora-plan lib/velmora/Datanorm.500 lib/velmora/produkte.dta \
            lib/velmora/images/halvex-logo.jpg share/applications/velmora.desktop \
            share/icons/hicolor/256x256/apps/velmora.png; do
  [[ -e "$prefix/$file" ]] || { echo "not installed: $file"; exit 1; }
done

# A missing catalogue file would stop the program at its error message: the timeout
# catches that as a failure. Started from elsewhere, it must find its files itself.
cd "$prefix"
output=$(QT_QPA_PLATFORM=offscreen VELMORA_QUIT_AFTER_MS=300 timeout 60 "$prefix/bin/velmora" 2>&1) ||
  { echo "installed program failed (status $?): $output"; exit 1; }
"$prefix/bin/velmora-plan" --room-width 3,5 --volume 5000 --format text | grep -q "^Lösungen" ||
  { echo "installed velmora-plan found no catalogue"; exit 1; }
echo "installed and started from $prefix"
