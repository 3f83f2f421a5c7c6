#!/usr/bin/env bash
# The reference solver's benchmark, in three parts (all boards from
# barvotok-gen, uniform random colours, seeds 1, 2, ...):
#  small  SMALL random boards of 12..20 x 12..20 with 6..10 colours, one file
#         each: the optimum where `exact` proves it within EXACT_LIMIT seconds
#         (and, with EXACT_LONG set, how many more it proves within that many,
#         with the slowest named), and the move totals of greedy, lookahead and
#         beam over those boards, with beam's median and largest time per
#         board; over all boards, beam at its default width and at each of
#         BEAM_WIDTHS against the optima where proven and the lower bounds that
#         `exact` proves elsewhere;
#  exact  EXACT boards each of 12 x 12 and 14 x 14 with 6 colours: whether
#         `exact` proves the optimum within 10 s, and its median time;
#  medium MEDIUM boards of 150..300 x 150..300 with 3..8 colours, uniform and
#         clustered in turn, in one file: lookahead against beam;
#  large  one 1000 x 1000 board with 100 colours: greedy against beam, with
#         beam's wall time and peak memory (/usr/bin/time -v).
# PARTS="small exact medium large" chooses the parts. Takes about 10 minutes on a
# shared 2-core machine with the defaults.
set -euo pipefail
cd "$(dirname "$0")/.."

small_boards=${SMALL:-100}
exact_boards=${EXACT:-5}
exact_limit=${EXACT_LIMIT:-5}
exact_long=${EXACT_LONG:-}
beam_widths=${BEAM_WIDTHS:-100 2000}
medium_boards=${MEDIUM:-6}
parts=${PARTS:-small exact medium large}

cmake --preset release > /dev/null
cmake --build --preset release -j 2 --target barvotok-gen barvotok-solve > /dev/null
gen=build/release/tools/gen/barvotok-gen
solve=build/release/tools/solve/barvotok-solve

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the solver on one board; prints "moves lower-bound seconds proven".
run_solver() {  # run_solver BOARD STRATEGY [OPTION]...
  local board=$1 strategy=$2
  shift 2
  local start end
  start=$(date +%s.%N)
  "$solve" --strategy "$strategy" "$@" "$board" -o "$work/submission.txt" 2> "$work/table.txt"
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" '
    /: proven optimal/ { proven = 1 }
    $1 == "1" && NF == 6 { moves = $5; bound = $6 }
    END { printf "%d %d %.3f %d\n", moves, bound, e - s, proven }' "$work/table.txt"
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

small_part() {
  echo "== small: $small_boards boards 12..20 x 12..20, 6..10 colours (exact limit ${exact_limit} s)"
  : > "$work/small.txt"
  : > "$work/widths.txt"
  : > "$work/long.txt"
  for seed in $(seq 1 "$small_boards"); do
    board="$work/board.txt"
    "$gen" -n 1 --width 12..20 --height 12..20 --colours 6..10 -s "$seed" -o "$board"
    read -r optimum exact_bound exact_time proven < <(run_solver "$board" exact --time-limit "$exact_limit")
    read -r greedy _ _ _ < <(run_solver "$board" greedy)
    read -r lookahead _ _ _ < <(run_solver "$board" lookahead)
    read -r beam bound beam_time _ < <(run_solver "$board" beam)
    echo "$seed $proven $optimum $greedy $lookahead $beam $beam_time $exact_bound $exact_time" >> "$work/small.txt"
    for width in $beam_widths; do
      read -r moves _ seconds _ < <(run_solver "$board" beam --beam-width "$width")
      echo "$width $seed $moves $seconds $exact_bound" >> "$work/widths.txt"
    done
    if [ -n "$exact_long" ] && [ "$proven" != 1 ]; then
      read -r long_moves long_bound long_time long_proven < <(run_solver "$board" exact --time-limit "$exact_long")
      echo "$seed $long_proven $long_moves $long_bound $long_time" >> "$work/long.txt"
    fi
  done
  awk '$2 == 1 { n++; o += $3; g += $4; l += $5; b += $6; if ($6 == $3) hit++ }
    { all += $6; bounds += $8; best += $3 }
    END {
      printf "proven optima: %d of %d boards\n", n, NR
      printf "%-10s %8s %10s %16s\n", "strategy", "moves", "vs optimum", "boards optimal"
      printf "%-10s %8d %10s %16s\n", "optimum", o, "", ""
      printf "%-10s %8d %+9.1f%% %16s\n", "greedy", g, 100 * (g - o) / o, ""
      printf "%-10s %8d %+9.1f%% %16s\n", "lookahead", l, 100 * (l - o) / o, ""
      printf "%-10s %8d %+9.1f%% %16d\n", "beam", b, 100 * (b - o) / o, hit
      printf "all %d boards: beam %d moves, exact %d (its best), lower bounds %d: beam within %.1f%% of the optimum\n",
        NR, all, best, bounds, 100 * (all - bounds) / bounds
    }' "$work/small.txt"
  echo "beam seconds per board: median $(awk '{ print $7 }' "$work/small.txt" | median)," \
    "largest $(awk '{ print $7 }' "$work/small.txt" | sort -g | tail -n 1)"
  for width in $beam_widths; do
    awk -v width="$width" '$1 == width { moves += $3; bounds += $5; seconds += $4; n++ }
      END { printf "beam width %s: %d moves over %d boards, within %.1f%% of the lower bounds, %.2f s per board\n",
        width, moves, n, 100 * (moves - bounds) / bounds, seconds / n }' "$work/widths.txt"
  done
  if [ -s "$work/long.txt" ]; then
    awk -v limit="$exact_long" '{ n++; proven += $2; if ($2 == 1 && $5 > slowest) { slowest = $5; which = $1 } }
      END { printf "exact within %s s: %d more of the %d unproven at the first limit (slowest: board %s, %.1f s)\n",
        limit, proven, n, which, slowest }' "$work/long.txt"
  fi
}

exact_part() {
  for side in 12 14; do
    : > "$work/exact.txt"
    for seed in $(seq 1 "$exact_boards"); do
      "$gen" -n 1 --width "$side" --height "$side" --colours 6 -s "$seed" -o "$work/board.txt"
      run_solver "$work/board.txt" exact --time-limit 10 >> "$work/exact.txt"
    done
    echo "== exact: $exact_boards boards ${side} x ${side}, 6 colours:" \
      "proven $(awk '{ p += $4 } END { print p }' "$work/exact.txt") of $exact_boards," \
      "median $(awk '{ print $3 }' "$work/exact.txt" | median) s," \
      "largest $(awk '{ print $3 }' "$work/exact.txt" | sort -g | tail -n 1) s," \
      "moves $(awk '{ printf "%s ", $1 }' "$work/exact.txt")"
  done
}

medium_part() {
  echo "== medium: $medium_boards boards 150..300 x 150..300, 3..8 colours, uniform and clustered"
  "$gen" -n "$medium_boards" --width 150..300 --height 150..300 --colours 3..8 -p uniform,clustered -s 11 \
    -o "$work/medium.txt"
  for strategy in lookahead beam; do
    local start end
    start=$(date +%s.%N)
    "$solve" --strategy "$strategy" "$work/medium.txt" -o "$work/submission.txt" 2> "$work/table.txt"
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v name="$strategy" '$1 == "total" { printf "%-10s %6d moves, lower bounds %d, %.2f s\n", name, $2, $3, e - s }' \
      "$work/table.txt"
  done
}

large_part() {
  echo "== large: 1000 x 1000, 100 colours"
  "$gen" -n 1 --width 1000 --height 1000 --colours 100 -s 1 -o "$work/large.txt"
  read -r greedy _ greedy_time _ < <(run_solver "$work/large.txt" greedy)
  /usr/bin/time -v "$solve" "$work/large.txt" -o "$work/submission.txt" 2> "$work/table.txt"
  beam=$(awk '$1 == "1" && NF == 6 { print $5 }' "$work/table.txt")
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s }' "$work/table.txt")
  peak=$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$work/table.txt")
  printf "greedy %d moves (%.2f s), beam %d moves (%s s, peak %s MiB): %.1f%% fewer\n" \
    "$greedy" "$greedy_time" "$beam" "$wall" "$peak" "$(awk -v g="$greedy" -v b="$beam" 'BEGIN { print 100 * (g - b) / g }')"
}

for part in $parts; do "${part}_part"; done
