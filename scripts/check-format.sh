#!/usr/bin/env bash
# Every C++ source as .clang-format writes it; names the files that differ.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
