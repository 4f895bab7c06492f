#!/usr/bin/env bash
# cmake --install into a temporary prefix, then what went where: the program, the menu
# entry, the icon at each size, the metadata, the list files' type, the manual page
# (a section for every command `quorvel --help` lists) and the installed-program marker.
# Arguments: BUILD_DIR APP_ID MARKER MARKER_FROM_BIN "ICON SIZES" VERSION
set -uo pipefail
build=$1 app=$2 marker=$3 marker_from_bin=$4 sizes=$5 version=$6

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
has_line() { grep -qxF -- "$2" "$1" || fail "$1 has no line '$2'"; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  cat "$prefix/install.log" >&2
  fail "cmake --install failed"
  exit 1
fi

# The program, and nothing of the build beside it.
[ -x "$prefix/bin/quorvel" ] || fail "no bin/quorvel"
[ "$("$prefix/bin/quorvel" --version)" = "quorvel ${version%.*.*}" ] || fail "quorvel --version"
[ "$(ls "$prefix/bin")" = quorvel ] || fail "bin/ holds more than quorvel: $(ls "$prefix/bin")"

desktop=$prefix/share/applications/$app.desktop
if [ -f "$desktop" ]; then
  has_line "$desktop" "[Desktop Entry]"
  has_line "$desktop" "Type=Application"
  has_line "$desktop" "Name=Quorvel"
  has_line "$desktop" "Icon=$app"
  has_line "$desktop" "Categories=Education;Math;"
  has_line "$desktop" "MimeType=application/x-quorvel-list;application/x-quorvel-list+json;"
  has_line "$desktop" "Exec=quorvel %f"
  grep -qP '^Name\[zh_CN\]=.*[\x{4e00}-\x{9fff}]' "$desktop" || fail "no Chinese Name[zh_CN]"
  grep -q '^Comment=.' "$desktop" || fail "no Comment"
else
  fail "no share/applications/$app.desktop"
fi

icons=$prefix/share/icons/hicolor
grep -q '<svg' "$icons/scalable/apps/$app.svg" 2>/dev/null || fail "no scalable SVG icon"
for side in ${sizes//;/ }; do
  png=$icons/${side}x${side}/apps/$app.png
  if [ ! -f "$png" ]; then fail "no ${side}x${side} icon"; continue; fi
  # The signature, then IHDR's width and height (big-endian) at bytes 16 to 23.
  head=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
  [ "${head:0:16}" = 89504e470d0a1a0a ] || fail "${side}x${side} icon is no PNG"
  [ $((16#${head:32:8})) -eq "$side" ] && [ $((16#${head:40:8})) -eq "$side" ] ||
    fail "${side}x${side} icon is $((16#${head:32:8}))x$((16#${head:40:8}))"
done

metainfo=$prefix/share/metainfo/$app.metainfo.xml
if [ -f "$metainfo" ]; then
  for text in "<id>$app</id>" "<launchable type=\"desktop-id\">$app.desktop</launchable>" \
    "<release version=\"$version\"" "<image>https://" "<binary>quorvel</binary>" \
    "<mediatype>application/x-quorvel-list</mediatype>"; do
    grep -qF -- "$text" "$metainfo" || fail "metainfo has no $text"
  done
else
  fail "no share/metainfo/$app.metainfo.xml"
fi

mime=$prefix/share/mime/packages/$app.xml
if [ -f "$mime" ]; then
  for text in 'type="application/x-quorvel-list"' 'pattern="*.QVX"' 'pattern="*.qvx"' \
      'type="application/x-quorvel-list+json"' 'pattern="*.QVJ"' 'pattern="*.qvj"'; do
    grep -qF -- "$text" "$mime" || fail "MIME type has no $text"
  done
else
  fail "no share/mime/packages/$app.xml"
fi

# The program finds the marker from its own folder (src/qt/program_folder.cpp).
[ -f "$prefix/$marker" ] || fail "no $marker"
[ -f "$prefix/bin/$marker_from_bin" ] || fail "bin/$marker_from_bin is not the marker"

manual=$prefix/share/man/man1/quorvel.1.gz
if [ -f "$manual" ]; then
  page=$(gzip -dc "$manual")
  grep -q "^\.TH QUORVEL 1 .*\"Quorvel $version\"" <<<"$page" || fail "manual's title line"
  commands=$("$prefix/bin/quorvel" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
  [ -n "$commands" ] || fail "quorvel --help lists no commands"
  for command in $commands; do
    grep -qx "\.SS $command" <<<"$page" || fail "the manual has no section for '$command'"
  done
else
  fail "no share/man/man1/quorvel.1.gz"
fi

# The lessons of the 示例 menu, each a list the program reads, each named in the manual.
examples=$prefix/share/quorvel/examples
lessons=$(find "$examples" -name '[0-9][0-9]-*.QVJ' 2>/dev/null | sort)
[ "$(wc -l <<<"$lessons")" -ge 10 ] || fail "fewer than ten lessons in share/quorvel/examples"
for lesson in $lessons; do
  "$prefix/bin/quorvel" list "$lesson" >/dev/null 2>&1 || fail "quorvel list refuses $lesson"
  title=$(basename "$lesson" .QVJ)
  grep -qF -- "${title#*-}" <<<"${page:-}" || fail "the manual does not name the lesson ${title#*-}"
done

[ "$failures" -eq 0 ] && echo "install: every file in its place under a temporary prefix"
exit $((failures > 0))
