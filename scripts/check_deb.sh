#!/usr/bin/env bash
# Checks a built Debian package: its name, its control data (every library the
# program links and what no library scan finds: the platform plugins, a CJK face,
# Qt's Chinese texts, the SVG module) and that each installed file is in it.
#
#   scripts/check_deb.sh PACKAGE.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
deb=$1
version=$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
app=$(sed -n 's/^set(QUORVEL_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ "$(basename "$deb")" = "quorvel_${version}_${arch}.deb" ] ||
  fail "named $(basename "$deb"), not quorvel_${version}_${arch}.deb"
[ "$(dpkg-deb -f "$deb" Package)" = quorvel ] || fail "Package is not quorvel"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is not $version"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "Architecture is not $arch"

# Depends, one alternative group a line.
depends=$(dpkg-deb -f "$deb" Depends | sed 's/, */\n/g')
depends_on() { grep -qE "^$1( \(|$)" <<<"$depends" || fail "Depends lacks $1"; }
for library in libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
  libqt6svg6; do
  depends_on "$library"
done
# What running the windows needs beyond the libraries, as ./run.sh installs it.
for package in "${RUN_PACKAGES[@]}"; do
  grep -qE "(^|\| )$package( |$)" <<<"$depends" || fail "Depends lacks $package"
done
grep -qxF "fonts-wqy-microhei | fonts-noto-cjk" <<<"$depends" ||
  fail "Depends lacks the CJK face with its alternative"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quorvel "./usr/share/applications/$app.desktop" \
  "./usr/share/metainfo/$app.metainfo.xml" "./usr/share/mime/packages/$app.xml" \
  "./usr/share/icons/hicolor/scalable/apps/$app.svg" \
  "./usr/share/icons/hicolor/48x48/apps/$app.png" ./usr/share/man/man1/quorvel.1.gz \
  ./usr/share/quorvel/installed; do
  grep -qxF "$file" <<<"$contents" || fail "the package has no $file"
done

if [ "$failures" -ne 0 ]; then
  dpkg-deb -I "$deb" >&2
  exit 1
fi
echo "package: $deb, depends on $(dpkg-deb -f "$deb" Depends)"
