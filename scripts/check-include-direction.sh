#!/usr/bin/env bash
# Includes point down the layers only. Every target has src/ on its include path, so the
# compiler lets any file include any header; this check holds each file to what the CMake
# files declare (scripts/cmake-targets.awk reads them): a file may include a header only of
# its own target or of a target that target links (target_link_libraries), directly or
# through those targets' PUBLIC and INTERFACE links, which is what CMake would hand its
# compilation if each target had only its own include root. So the layer order is the link
# graph, not the order of src/CMakeLists.txt; two folders side by side may not use each
# other; a link in a circle fails, and so does a .cpp that no target builds.
# A header belongs to the targets that build its .cpp; a header of src/ without one, to every
# target of its folder (so it may use only what all of them link). Covers src/, tests/,
# bench/, fuzz/ and tools/; a header there without a .cpp (a test fixture) is checked as part
# of each file that includes it. Only includes that name a file of the tree count.
# --self-test plants includes that must be refused or allowed and checks the verdicts.
set -euo pipefail
cd "$(dirname "$0")/.."
trees=(src tests bench fuzz tools)

# $1: extra include lines to check with the tree's, in grep -n form.
check() {
  awk -f scripts/include-direction.awk \
    phase=facts <(find "${trees[@]}" -name CMakeLists.txt | LC_ALL=C sort | xargs awk -f scripts/cmake-targets.awk) \
    phase=files <(find "${trees[@]}" -name '*.cpp' -o -name '*.h') \
    phase=includes <(grep -rnE '^\s*#\s*include\s*[<"]' --include='*.cpp' --include='*.h' "${trees[@]}"; printf '%s' "${1:-}")
}

if [[ "${1:-}" != --self-test ]]; then
  if ! report=$(check); then
    echo "Includes against the layers (see scripts/check-include-direction.sh):" >&2
    echo "$report" >&2
    exit 1
  fi
  exit 0
fi

failures=0
while read -r verdict from header; do
  [[ "$header" == \<* ]] || header="\"$header\""
  report=$(check "$from:0:#include $header"$'\n' || true)
  got=allowed
  [[ "$report" == *"$from:0:"* ]] && got=refused
  if [[ "$got" != "$verdict" ]]; then
    echo "self-test: $from including $header should be $verdict, was $got" >&2
    failures=1
  fi
done <<'CASES'
refused src/catalogue/TZubehoer.cpp app/TDaten.h
refused src/catalogue/TZubehoer.cpp <app/TDaten.h>
refused src/prices/ui/TfrmTankCustomPrice.cpp printing/ui/PageView.h
refused src/printing/PrintBox.cpp printing/TAusdruck.h
refused src/window/TfrmGrund.cpp catalogue/files/TMurvel.h
refused tests/base/RoundingTest.cpp app/TDaten.h
refused fuzz/support/FuzzDirectory.h window/TfrmGrund.h
refused src/app/PlanInputs.h catalogue/TZubehoer.h
allowed src/window/TfrmGrund.cpp catalogue/TZubehoer.h
allowed src/window/TfrmGrund.cpp app/PlanInputs.h
allowed tests/printing/PrintItemTest.cpp support/RecordingCanvas.h
CASES
exit "$failures"
