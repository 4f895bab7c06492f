#!/usr/bin/env bash
# Writes the lessons of the 示例 menu with the program's own `quorvel add`:
#   examples/make_lessons.sh build/quorvel
# Each lesson is a list document "NN-题目.QVJ"; the menu lists them in the order of NN.
set -euo pipefail
quorvel=$(realpath "${1:?the quorvel program to run}")
cd "$(dirname "$0")"

lesson() {
  local file=$1
  shift
  rm -f "$file"
  while [ $# -gt 0 ]; do
    local -a words=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do words+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    "$quorvel" add "$file" "${words[@]}" >/dev/null
  done
}

lesson "01-一次函数k与b.QVJ" \
  --family 0 --p1 1 --p2 0 --color 1C7ED6 -- \
  --family 0 --p1 2 --p2 0 --color E03131 -- \
  --family 0 --p1 2 --p2 3 --color 2F9E44 -- \
  --family 0 --p1 -1/2 --p2 3 --color AE3EC9

lesson "02-二次函数的平移.QVJ" \
  --family 1 --form 2 --p1 0 --p2 0 --p3 1 --color 1C7ED6 -- \
  --family 1 --form 2 --p1 2 --p2 0 --p3 1 --color E03131 -- \
  --family 1 --form 2 --p1 2 --p2 -3 --p3 1 --color 2F9E44 -- \
  --family 1 --form 2 --p1 -1 --p2 2 --p3 -1/2 --color AE3EC9

lesson "03-反比例函数.QVJ" \
  --family 2 --p1 6 --color 1C7ED6 -- \
  --family 2 --p1 1 --color 2F9E44 -- \
  --family 2 --p1 -6 --color E03131

lesson "04-指数与对数函数（互为反函数）.QVJ" \
  --family 3 --p1 2 --color 1C7ED6 -- \
  --family 4 --p1 2 --color E03131 -- \
  --family 0 --p1 1 --p2 0 --color 868E96

lesson "05-三角函数图像的变换（A、ω、φ）.QVJ" \
  --family 5 --p1 1 --p2 1 --p3 0 --color 868E96 -- \
  --family 5 --p1 2 --p2 1 --p3 0 --color 1C7ED6 -- \
  --family 5 --p1 1 --p2 2 --p3 0 --color E03131 -- \
  --family 5 --p1 1 --p2 1 --p3 π/3 --color 2F9E44

lesson "06-圆与直线.QVJ" \
  --family 8 --p1 0 --p2 0 --p3 2 --color 1C7ED6 -- \
  --family 0 --p1 1 --p2 1 --color E03131 -- \
  --family 0 --p1 1 --p2 2√2 --color 2F9E44 -- \
  --family 0 --p1 1 --p2 4 --color AE3EC9

lesson "07-椭圆、双曲线、抛物线.QVJ" \
  --family 9 --p1 3 --p2 2 --color 1C7ED6 -- \
  --family 10 --p1 2 --p2 1 --color E03131 -- \
  --family 11 --p1 1 --color 2F9E44

lesson "08-参数方程与极坐标.QVJ" \
  --xt "3cos t" --yt "2sin t" --color 1C7ED6 -- \
  --polar "1+cos θ" --color E03131 -- \
  --polar "2sin 3θ" --color 2F9E44

lesson "09-切线与导数.QVJ" \
  --family 13 --expr "x^3-3x" --color 1C7ED6 -- \
  --tangent 1 --at 2 --color E03131 -- \
  --tangent 1 --at -1 --color AE3EC9 -- \
  --derivative 1 --color 2F9E44

lesson "10-线性规划.QVJ" \
  --region "x + y <= 4" --region "x >= 0" --region "y >= 0" --region "x - y <= 2" \
  --objective "z = 2x + y" --color 1C7ED6 -- \
  --family 0 --p1 -2 --p2 7 --color E03131
