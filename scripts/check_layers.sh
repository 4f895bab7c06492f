#!/usr/bin/env bash
# The layers are CMake's own link graph. This reads the graph from CMake (--graphviz
# of a configure without tests and benchmarks) and checks, against it:
#   - every include of src/: a folder's files include only headers of their own
#     library and of the libraries it links, directly or through others;
#   - the rules the design keeps: the toolkit-neutral core links no Qt and no form,
#     the command line links no form;
#   - the layer picture in docs/architecture.md, which is the graph's own picture
#     (`scripts/check_layers.sh --print` writes it).
# A configured build folder can be given as the first argument (default: a fresh one).
set -euo pipefail
cd "$(dirname "$0")/.."

print_only=false
if [ "${1:-}" = "--print" ]; then
  print_only=true
  shift
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "${1:-}" ]; then
  cmake --graphviz="$work/graph.dot" "$1" >/dev/null
else
  if [ -f scripts/packages.sh ]; then
    source scripts/packages.sh
    ensure_packages "${BUILD_PACKAGES[@]}"
  fi
  cmake -S . -B "$work/build" -G Ninja -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF \
    --graphviz="$work/graph.dot" >/dev/null
fi

# Library and folder of every part of src/: quorvel_headers(TARGET FOLDER); the program
# itself is the app folder.
declare -A folderOf=([quorvel]=app)
while read -r target folder; do
  folderOf[$target]=$folder
done < <(grep -h 'quorvel_headers(' $(find src -name CMakeLists.txt) |
  sed 's/.*quorvel_headers(\([^ ]*\) \([^ )]*\)).*/\1 \2/')

# The direct links between our libraries ("// a -> b" in CMake's graph), and the
# libraries outside src/ each links directly.
declare -A links=() outside=()
while read -r from to; do
  [ -n "${folderOf[$from]+set}" ] || continue
  if [ -n "${folderOf[$to]+set}" ]; then
    links[$from]+=" $to"
  else
    outside[$from]+=" $to"
  fi
done < <(sed -n 's#.*// \([^ ]*\) -> \([^ ]*\)$#\1 \2#p' "$work/graph.dot" | sort -u)

# Everything a library reaches through its links.
reach() {
  local seen=" $1 " queue=("$1") t next
  while [ ${#queue[@]} -gt 0 ]; do
    t=${queue[0]}
    queue=("${queue[@]:1}")
    for next in ${links[$t]:-}; do
      case "$seen" in *" $next "*) ;; *)
        seen+="$next "
        queue+=("$next")
        ;;
      esac
    done
  done
  echo "$seen"
}

# The picture: each library on the row of its longest chain of links down to a
# library that links none of ours, the highest first, with what it links directly.
declare -A depthOf=()
depth() {
  local t=$1 d=0 next nd
  if [ -n "${depthOf[$t]+set}" ]; then
    echo "${depthOf[$t]}"
    return
  fi
  for next in ${links[$t]:-}; do
    nd=$(($(depth "$next") + 1))
    [ $nd -gt $d ] && d=$nd
  done
  depthOf[$t]=$d
  echo $d
}
picture() {
  local t rows=() max=0 d
  for t in "${!folderOf[@]}"; do
    d=$(depth "$t")
    depthOf[$t]=$d
    [ "$d" -gt $max ] && max=$d
  done
  for ((d = max; d >= 0; --d)); do
    for t in $(printf '%s\n' "${!folderOf[@]}" | sort); do
      [ "${depthOf[$t]}" = "$d" ] || continue
      local direct="" l
      for l in $(printf '%s\n' ${links[$t]:-} | sort); do direct+=" ${folderOf[$l]}"; done
      printf '%-10s %-12s ->%s\n' "${folderOf[$t]}/" "($d)" "${direct:- (nothing of ours)}"
    done
  done
}

if $print_only; then
  picture
  exit 0
fi

status=0

# Includes: only the library's own folder and the folders it reaches.
for target in "${!folderOf[@]}"; do
  folder=${folderOf[$target]}
  allowed=""
  for t in $(reach "$target"); do allowed+=" ${folderOf[$t]}"; done
  for file in src/"$folder"/*.h src/"$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r header; do
      used=$(dirname "$header")
      case " $allowed " in
        *" $used "*) ;;
        *)
          echo "$file: includes $header, but $folder/ links only:$allowed"
          status=1
          ;;
      esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
  done
done

# Every folder with code is a library of the graph.
while IFS= read -r dir; do
  folder=${dir#src/}
  found=false
  for t in "${!folderOf[@]}"; do [ "${folderOf[$t]}" = "$folder" ] && found=true; done
  $found || { echo "check_layers: src/$folder is no library of CMake's graph"; status=1; }
done < <(find src -name '*.cpp' -printf '%h\n' | sort -u)

# The design's own rules: what must never be reached.
forbid() {
  local from=$1 what=$2 t
  for t in $(reach "$from"); do
    case " $what " in *" ${folderOf[$t]} "*)
      echo "check_layers: ${folderOf[$from]}/ reaches ${folderOf[$t]}/, which it must not"
      status=1
      ;;
    esac
  done
}
for target in "${!folderOf[@]}"; do
  case "${folderOf[$target]}" in
    qt | app | render | cli) ;;
    *)
      # The toolkit-neutral core: no Qt, directly or through anything it links.
      for t in $(reach "$target"); do
        case "${outside[$t]:-}" in *Qt6::*)
          echo "check_layers: ${folderOf[$target]}/ reaches Qt through ${folderOf[$t]}/"
          status=1
          ;;
        esac
      done
      ;;
  esac
done
for target in "${!folderOf[@]}"; do
  case "${folderOf[$target]}" in
    cli | render | document | analysis | settings | plot | catalogue | eval | toolkit | files)
      forbid "$target" "shell qt"
      ;;
  esac
done

# The picture in the architecture is this graph's.
doc=docs/architecture.md
documented=$(sed -n '/^<!-- layers: begin -->$/,/^<!-- layers: end -->$/p' "$doc" | sed '1,2d;$d' | sed '$d')
if [ "$documented" != "$(picture)" ]; then
  echo "check_layers: the layer picture in $doc is not CMake's graph; it is now:"
  picture
  status=1
fi

[ $status -eq 0 ] && echo "layers: every include follows CMake's link graph, as $doc pictures it"
exit $status
