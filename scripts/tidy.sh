#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's sources as a build compiled
# them, and fails on any finding. The build's generated files (moc, resources, fixtures written at
# build time) are left out, as their headers are. The program's sources and the fuzz targets are
# checked; tests, tools and benchmarks are not yet.
# Usage: scripts/tidy.sh [build folder, default build-sanitize] — the folder needs a finished build
# (its compile_commands.json and generated headers).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-sanitize}
if [[ ! -f "$build/compile_commands.json" ]]; then
  echo "tidy.sh: no $build/compile_commands.json; build first" >&2
  exit 1
fi
checked="^$PWD/(src/(app|audio|automation|charstudy|data|exercise|lesson|render|spell|trainer|ui)/|src/main\.cpp|fuzz/)"
start=$SECONDS
run-clang-tidy-14 -p "$build" -j "$(nproc)" -quiet -header-filter="^$PWD/src/" "$checked"
echo "tidy.sh: no findings ($((SECONDS - start)) s)"
