# The shared part of the whole-process comparisons (sourced by export_compare.sh and
# process_compare.sh, from the project's root): the program built and named, the
# 15-entry list's builder, a scratch folder to run in, and the clock.
# QUORVEL names another build of the program to time (default build/quorvel); RUNS is
# how many times each command runs (default 20).

RUNS=${RUNS:-20}
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WERROR=ON >/dev/null
fi
cmake --build build --target quorvel >/dev/null
quorvel=$(realpath "${QUORVEL:-build/quorvel}")
source bench/mixed_list.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Wall time of one command in milliseconds, from bash's own clock.
wall_ms() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || { echo "$(basename "$0"): '$*' failed" >&2; exit 1; }
  local end=$EPOCHREALTIME
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f\n", (b - a) * 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
