#!/usr/bin/env bash
# Every installation of the first solutions of a search, saved as a plan and opened again,
# gives velmora-plan's answer byte for byte: the plan that comes back is the plan that was made.
#   save-open-test.sh VELMORA_PLAN CATALOGUE_DIR PRODUCTS [SEARCH OPTIONS...]
# PRODUCTS: how many solutions, from the top of the list, are tried (0: all).
set -euo pipefail
plan=$1 catalogue=$2 products=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=de_DE.UTF-8
run() { "$plan" --catalogue "$catalogue" "$@"; }

run "$@" >"$work/all.json"
mapfile -t numbers < <(sed -n '/"solutions"/,$p' "$work/all.json" |
  sed -n 's/^      "artNr": "\(.*\)",$/\1/p' | awk '!seen[$0]++')
((products == 0)) || numbers=("${numbers[@]:0:products}")
((${#numbers[@]} > 0)) || { echo "save-open: the search found no solution"; exit 1; }
checked=0
for number in "${numbers[@]}"; do
  count=$(run "$@" --select "$number" | sed -n 's/^    "gesamtVarianten": \([0-9]*\),$/\1/p')
  for ((index = 0; index < ${count:-1}; index++)); do
    installation=()
    [[ -z $count ]] || installation=(--installation "$index")
    run "$@" --select "$number" "${installation[@]}" --save "$work/p.velmora" >"$work/saved.json"
    run --open "$work/p.velmora" >"$work/opened.json" 2>"$work/notes"
    if ! cmp -s "$work/saved.json" "$work/opened.json" || [[ -s $work/notes ]]; then
      echo "save-open: $number installation $index comes back otherwise"
      diff "$work/saved.json" "$work/opened.json" | head -20
      cat "$work/notes"
      exit 1
    fi
    checked=$((checked + 1))
  done
done
echo "save-open: $checked installations of ${#numbers[@]} solutions came back unchanged"
