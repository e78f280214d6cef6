#!/usr/bin/env bash
# Formats the project's C++ files with the committed .clang-format (only files git knows or would
# add). With --check it changes nothing and fails, naming the files, when one is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
files() { git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h'; }
if [[ "${1:-}" == "--check" ]]; then
  files | xargs -r clang-format --dry-run --Werror
else
  files | xargs -r clang-format -i
fi
