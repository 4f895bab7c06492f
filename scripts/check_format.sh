#!/usr/bin/env bash
# Fails when a C++ file of the repository is not laid out as .clang-format says
# (clang-format 14, installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages clang-format
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format says"
