#!/usr/bin/env bash
# Builds the Debian package from a fresh release build in build-deb/ and checks it:
#
#   scripts/build-deb.sh [CMAKE OPTIONS...]
#   apt install ./build-deb/quorvel_VERSION_amd64.deb
#
# Options are passed to CMake's configure step (e.g. a compiler launcher).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DEB_PACKAGES[@]}"

cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF "$@" >/dev/null
cmake --build build-deb -j "$(nproc)"
rm -f build-deb/quorvel_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/quorvel_*.deb)
scripts/check_deb.sh "$deb"
echo "Install it with: apt install ./$deb"
