# The 15-entry list of the replay benchmarks (mixed_list.cpp) built with `quorvel add`:
# mixed_list QUORVEL FILE writes it to FILE. Sourced by the benchmark scripts.
mixed_list() {
  local quorvel=$1 file=$2
  rm -f "$file"
  while read -r words; do
    # shellcheck disable=SC2086  # the words of one command
    "$quorvel" add "$file" $words >/dev/null
  done <<'LIST'
--family 0 --p1 0.5 --p2 1
--family 0 --form 2 --p1 1 --p2 2 --p3 3
--family 1 --p1 1 --p2 -2 --p3 1
--family 1 --form 2 --p1 -0.5 --p2 1 --p3 3
--family 2 --p1 6
--family 3 --p1 2
--family 4 --p1 2
--family 5 --p1 2 --p2 1 --p3 0
--family 7 --p1 1 --p2 1 --p3 0
--family 9 --p1 4 --p2 3
--family 10 --p1 2 --p2 1
--family 11 --p1 1
--family 12 --p1 1 --p2 4
--family 13 --expr sin(x)*x^2
--family 13 --expr (x-1)*(x+1)/(x^2+1)+cos(3*x+1)*2^x
LIST
}

# The same curves for gnuplot, each branch of a conic as a function of its own.
MIXED_LIST_GNUPLOT='0.5*x+1, -(x+3)/2, x**2-2*x+1, -0.5*(x-1)**2+3, 6/x, 2**x, log(x)/log(2), 2*sin(x), tan(x), 3*sqrt(1-x**2/16), -3*sqrt(1-x**2/16), sqrt(x**2/4-1), -sqrt(x**2/4-1), sqrt(2*x), -sqrt(2*x), x+4/x, sin(x)*x**2, (x-1)*(x+1)/(x**2+1)+cos(3*x+1)*2**x'
