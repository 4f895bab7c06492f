#!/usr/bin/env bash
# Installs the Debian packages named in the arguments that are not installed yet.
# Runs apt-get as root, or through sudo when we are not root.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo=(sudo); else
      echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
      return 1
    fi
  fi
  echo "Installing: ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and testing need (Little CMS: the tests measure the palette's colour
# distances in CIEDE2000 with it; nlohmann-json, header-only, reads and writes the
# list document of named fields; libgmp-dev: the exact rationals of linear programming).
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev fonts-wqy-microhei qt6-translations-l10n clang-format
  liblcms2-dev nlohmann-json3-dev libgmp-dev)
# What running the windows needs on top (a display server is the user's).
# Qt's own texts (dialog buttons) in Chinese come with qt6-translations-l10n.
RUN_PACKAGES=(qt6-qpa-plugins fonts-wqy-microhei qt6-translations-l10n)
# The Debian package (scripts/build-deb.sh): dpkg-shlibdeps finds the libraries'
# packages, and CPack looks for the programs to scan with `file`.
DEB_PACKAGES=(dpkg-dev file)
# The checks of the desktop files (scripts/check_desktop.sh): the freedesktop and
# AppStream validators, the manual page's formatter and the MIME database.
DESKTOP_CHECK_PACKAGES=(desktop-file-utils appstream groff-base shared-mime-info)
# The libFuzzer targets in fuzz/ (fuzz/run.sh).
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The side-by-side benchmarks: muparser for bench/compare.sh, gnuplot for
# bench/export_compare.sh.
BENCH_PACKAGES=(libmuparser-dev gnuplot-nox)
