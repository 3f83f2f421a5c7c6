#!/usr/bin/env bash
# Whole-process benchmark: writes a ten-case test set of 1000 x 1000 grids
# (random 2, 6, 20 and 100 colours, clustered, stripes, checkerboard,
# serpentine, holes, comb) with two submissions that answer every case, the
# greedy answers ("honest") and the same answers padded with idle moves to
# 10^6 moves per section ("padded"), then times `Zvn22Barvotok eval` on each
# with /usr/bin/time -v. Prints the median wall time of RUNS runs (default 3),
# the peak memory, and the input read per second (test set plus submission).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-3}

source scripts/lib/packages.sh
want /usr/bin/time time
install_wanted

cmake --preset release > /dev/null
cmake --build --preset release -j 2 --target Zvn22Barvotok barvotok-bench-set > /dev/null
evaluator=build/release/Zvn22Barvotok

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "writing the test set and the submissions ..."
build/release/bench/barvotok-bench-set "$work"

# "Elapsed (wall clock) time (h:mm:ss or m:ss): 0:01.23" in seconds.
wall_seconds() {
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s }' "$1"
}
peak_kilobytes() { awk -F': ' '/Maximum resident set size/ { print $2 }' "$1"; }
megabytes() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1e6 }'; }

printf '\n%-8s %10s %10s %10s %10s %10s   %s\n' set "input MB" "subm. MB" "wall s" "peak MB" "MB/s" report
for answer in honest padded; do
  input_bytes=$(stat -c %s "$work/input.txt")
  submission_bytes=$(stat -c %s "$work/$answer.txt")
  walls=()
  peak=0
  for ((run = 1; run <= runs; run++)); do
    /usr/bin/time -v -o "$work/time.txt" "$evaluator" eval "$work/input.txt" "$work/$answer.txt" "$work/report.txt"
    walls+=("$(wall_seconds "$work/time.txt")")
    kilobytes=$(peak_kilobytes "$work/time.txt")
    [ "$kilobytes" -gt "$peak" ] && peak=$kilobytes
  done
  wall=$(printf '%s\n' "${walls[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  verdict=$(head -c 2 "$work/report.txt")
  [ "$verdict" = "OK" ] || verdict="FAILED: $(head -n 1 "$work/report.txt")"
  printf '%-8s %10s %10s %10.2f %10.1f %10.0f   %s\n' "$answer" "$(megabytes "$input_bytes")" \
    "$(megabytes "$submission_bytes")" "$wall" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" \
    "$(awk -v b=$((input_bytes + submission_bytes)) -v s="$wall" 'BEGIN { print b / 1e6 / s }')" "$verdict"
done
echo "(wall: median of $runs runs; peak: the largest resident set of them)"
