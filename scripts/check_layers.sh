#!/usr/bin/env bash
# Fails when a file of a lower layer includes a header of a higher one. The layers,
# lowest first, and what each folder of src/ may include:
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [files]="files"
  [toolkit]="toolkit"
  [eval]="eval"
  [catalogue]="catalogue eval files"
  [plot]="plot eval toolkit"
  [document]="document catalogue plot eval files"
  [analysis]="analysis document catalogue plot eval"
  [shell]="shell analysis document catalogue plot toolkit eval files"
  [render]="render plot files"
  [cli]="cli analysis document render catalogue plot eval files"
  [shell/qt]="shell/qt shell analysis document render catalogue plot toolkit eval files"
  [app]="app cli shell/qt render shell analysis document catalogue plot toolkit eval files"
)

status=0
for folder in "${!allowed[@]}"; do
  [ -d "src/$folder" ] || { echo "check_layers: no folder src/$folder" >&2; status=1; continue; }
  for file in src/"$folder"/*.h src/"$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r header; do
      used=$(dirname "$header")
      case " ${allowed[$folder]} " in
        *" $used "*) ;;
        *)
          echo "$file: includes $header, but $folder may include only: ${allowed[$folder]}"
          status=1
          ;;
      esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
  done
done
# Every folder with code is in the table.
while IFS= read -r dir; do
  folder=${dir#src/}
  [ -n "${allowed[$folder]+set}" ] || { echo "check_layers: src/$folder has no place in the layers"; status=1; }
done < <(find src -name '*.cpp' -printf '%h\n' | sort -u)
[ $status -eq 0 ] && echo "layers: every include goes to the same or a lower layer"
exit $status
