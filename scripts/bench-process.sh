#!/usr/bin/env bash
# Whole-process benchmark: writes a ten-case test set of 1000 x 1000 grids
# (random 2, 6, 20 and 100 colours, clustered, stripes, checkerboard,
# serpentine, holes, comb) with two submissions that answer every case, the
# greedy answers ("honest") and the same answers padded with idle moves to
# 10^6 moves per section ("padded"); and three sets of many distinct short
# sections: 2000 two-move sections on one uniform grid ("uniform"), 2000
# alternating between two uniform grids ("alternate"), and 300 short sections
# on the spine grid ("spine"). Then times `Zvn22Barvotok eval` on each with
# /usr/bin/time -v and prints the median wall time of RUNS runs (default 3),
# the peak memory, and the input read per second (test set plus submission).
#
# BASELINE=path/to/another/Zvn22Barvotok times that evaluator too, run for
# run beside this one, and adds the ratio of the two medians.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${RUNS:-3}
baseline=${BASELINE:-}

source scripts/lib/packages.sh
want /usr/bin/time time
install_wanted

cmake --preset release > /dev/null
cmake --build --preset release -j 2 --target Zvn22Barvotok barvotok-bench-set > /dev/null
evaluator=build/release/Zvn22Barvotok

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "writing the test sets and the submissions ..."
build/release/bench/barvotok-bench-set "$work"

# "Elapsed (wall clock) time (h:mm:ss or m:ss): 0:01.23" in seconds.
wall_seconds() {
  awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s }' "$1"
}
peak_kilobytes() { awk -F': ' '/Maximum resident set size/ { print $2 }' "$1"; }
megabytes() { awk -v b="$1" 'BEGIN { printf "%.2f", b / 1e6 }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Times one evaluator on one set: sets `wall` (median), `peak` (KB) and `verdict`.
time_runs() {
  local exe=$1 input=$2 submission=$3 walls=() run kilobytes
  peak=0
  for ((run = 1; run <= runs; run++)); do
    /usr/bin/time -v -o "$work/time.txt" "$exe" eval "$input" "$submission" "$work/report.txt"
    walls+=("$(wall_seconds "$work/time.txt")")
    kilobytes=$(peak_kilobytes "$work/time.txt")
    [ "$kilobytes" -gt "$peak" ] && peak=$kilobytes
  done
  wall=$(median "${walls[@]}")
  verdict=$(head -c 2 "$work/report.txt")
  [ "$verdict" = "OK" ] || verdict="FAILED: $(head -n 1 "$work/report.txt")"
}

header=$(printf '%-10s %9s %9s %9s %9s %9s' set "input MB" "subm. MB" "wall s" "peak MB" "MB/s")
[ -n "$baseline" ] && header+=$(printf ' %11s %11s %7s' "base wall s" "base peak" ratio)
printf '\n%s   %s\n' "$header" report
for set in honest padded uniform alternate spine; do
  case $set in
    honest | padded) input=$work/input.txt submission=$work/$set.txt ;;
    alternate) input=$work/alternating-input.txt submission=$work/alternating.txt ;;
    *) input=$work/$set-input.txt submission=$work/$set.txt ;;
  esac
  input_bytes=$(stat -c %s "$input")
  submission_bytes=$(stat -c %s "$submission")
  time_runs "$evaluator" "$input" "$submission"
  line=$(printf '%-10s %9s %9s %9.2f %9.1f %9.0f' "$set" "$(megabytes "$input_bytes")" \
    "$(megabytes "$submission_bytes")" "$wall" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" \
    "$(awk -v b=$((input_bytes + submission_bytes)) -v s="$wall" 'BEGIN { print (s > 0 ? b / 1e6 / s : 0) }')")
  if [ -n "$baseline" ]; then
    ours=$wall our_verdict=$verdict
    time_runs "$baseline" "$input" "$submission"
    [ "$verdict" = "$our_verdict" ] || our_verdict="$our_verdict (baseline: $verdict)"
    line+=$(printf ' %11.2f %11.1f %6.1fx' "$wall" "$(awk -v k="$peak" 'BEGIN { print k / 1024 }')" \
      "$(awk -v a="$wall" -v b="$ours" 'BEGIN { print (b > 0 ? a / b : 0) }')")
    verdict=$our_verdict
  fi
  printf '%s   %s\n' "$line" "$verdict"
done
echo "(wall: median of $runs runs; peak: the largest resident set of them)"
