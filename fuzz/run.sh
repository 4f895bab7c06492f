#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for the
# given number of seconds (default 60), starting from its seed corpus in
# fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/<target>/, findings to
# build-fuzz/artifacts/. One input that runs longer than 10 s counts as a hang.
# Exits non-zero when a target finds a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEL_FUZZ=ON -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null

status=0
for corpus in fuzz/corpus/*/; do
  target="$(basename "$corpus")"
  cmake --build build-fuzz --target "$target"
  mkdir -p "build-fuzz/corpus/$target" build-fuzz/artifacts
  dict=()
  [ -f "fuzz/$target.dict" ] && dict=("-dict=fuzz/$target.dict")
  echo "== $target for ${seconds}s"
  if ! "build-fuzz/fuzz/$target" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$target-" \
      "build-fuzz/corpus/$target" "$corpus"; then
    echo "$target found a failure; the input is in build-fuzz/artifacts/" >&2
    status=1
  fi
done
exit $status
