#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz"; the fuzzers only, the tests are built by the
# other configurations) and runs each for SECONDS (default 60) from a copy of its seed
# corpus, so the seeds in the repository stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# fuzzer:seed folder (none for a fuzzer that builds its inputs from nothing)
fuzzers=(datanorm_fuzzer:fuzz/datanorm/corpus catalogue_load_fuzzer:
         calculator_fuzzer:fuzz/calculator/seeds price_file_fuzzer:fuzz/prices/corpus
         search_fuzzer:fuzz/app/seeds plan_file_fuzzer:fuzz/app/plan-file-seeds)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${fuzzers[@]%%:*}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for entry in "${fuzzers[@]}"; do
  name=${entry%%:*}
  seeds=${entry#*:}
  mkdir -p "$work/$name"
  if [ -n "$seeds" ]; then cp -r "$seeds"/. "$work/$name/"; fi
  echo "fuzzing $name for ${seconds} s"
  (cd "$work" && "$OLDPWD/build/fuzz/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
      "$work/$name" 2>&1 | tail -n 5)
done
