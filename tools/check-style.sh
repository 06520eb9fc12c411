#!/usr/bin/env bash
# The code's style, kept by tools: clang-format on every C++ file, clang-tidy on the
# program's sources. Needs a configured build with compile_commands.json.
#   tools/check-style.sh [BUILD_DIR]   (default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
mapfile -t sources < <(git ls-files 'src/*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}" >/tmp/clang-tidy.log 2>&1 \
    || { grep -E 'warning:|error:' -A3 /tmp/clang-tidy.log; exit 1; }
echo "style: clang-format and clang-tidy clean"
