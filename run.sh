#!/usr/bin/env bash
# Builds Quorvel (installing the Debian packages it needs) and runs it,
# passing every argument on: `./run.sh` opens the windows, `./run.sh calc 2x` etc.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target quorvel >&2
exec build/quorvel "$@"
