#!/usr/bin/env bash
# The desktop files of a build, as installed: the menu entry (desktop-file-validate),
# the metadata (appstreamcli validate --no-net), the list files' type (the MIME
# database built from it), the manual page (groff's warnings); then the Debian package
# of the same build (scripts/check_deb.sh). CI runs it on build/ after ./test.sh.
#
#   scripts/check_desktop.sh [BUILD_DIR]      (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${DESKTOP_CHECK_PACKAGES[@]}" "${DEB_PACKAGES[@]}"
build=$(realpath "${1:-build}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
share=$work/prefix/share

desktop-file-validate "$share"/applications/*.desktop
appstreamcli validate --no-net --pedantic "$share"/metainfo/*.metainfo.xml

update-mime-database "$share/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log" >&2; exit 1; }
grep -qxF 'application/x-quorvel-list:*.qvx' "$share/mime/globs" ||
  { echo "the MIME database does not give *.qvx its type" >&2; exit 1; }
grep -qxF 'application/x-quorvel-list+json:*.qvj' "$share/mime/globs" ||
  { echo "the MIME database does not give *.qvj its type" >&2; exit 1; }

warnings=$(gzip -dc "$share/man/man1/quorvel.1.gz" | groff -K utf8 -T utf8 -man -ww -z 2>&1)
[ -z "$warnings" ] || { echo "$warnings" >&2; exit 1; }
echo "desktop: menu entry, metadata, MIME type and manual page pass their checks"

# The package of the same build, made in a folder of its own.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >/dev/null
scripts/check_deb.sh "$work"/package/quorvel_*.deb
