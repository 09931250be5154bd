#!/usr/bin/env bash
# The planning core must stay free of Qt: only the Qt shell (and its tests, with the shared
# QApplication of the Qt test programs) may include Qt headers.
set -euo pipefail
cd "$(dirname "$0")/.."
hits=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' src tools bench fuzz tests 2>/dev/null \
  | grep -vE '^src/(window|widgets|platform/qt)/|^src/[a-z]+/ui/|^tests/(window|widgets|platform/qt|[a-z]+/ui)/|^tests/support/Qt[A-Za-z]*\.cpp:|^bench/window/|^tools/(pictures|guide)/' || true)
if [[ -n "$hits" ]]; then
  echo "Qt headers outside the Qt shell:" >&2
  echo "$hits" >&2
  exit 1
fi
