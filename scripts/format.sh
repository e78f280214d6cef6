#!/usr/bin/env bash
# Formats the project's C++ files with the committed .clang-format (only files git knows or would add).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | xargs -r clang-format -i
