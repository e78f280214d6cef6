#!/usr/bin/env bash
# Installs what is missing, builds the program with its content and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALYNE_TESTS=OFF -DTESSALYNE_CONTENT=ON
cmake --build "$build"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start Tessalyne Lessons from a desktop session, or set DISPLAY." >&2
  echo "The program is built in $build/program/tessalyne." >&2
  exit 1
fi
exec "$build/program/tessalyne"
