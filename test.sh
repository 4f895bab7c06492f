#!/usr/bin/env bash
# Builds Quorvel and runs every test, twice: a normal build (warnings are errors)
# in build/ and an AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/.
# Installs the Debian packages it needs first. `./test.sh --quick` skips the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

if [ "${1:-}" != "--quick" ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_WERROR=ON \
    -DQUORVEL_SANITIZE=ON >/dev/null
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
fi
