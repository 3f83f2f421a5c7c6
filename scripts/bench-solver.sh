#!/usr/bin/env bash
# The reference solver's benchmark, in three parts (all boards from
# barvotok-gen, uniform random colours, seeds 1, 2, ...):
#  small  SMALL random boards of 12..20 x 12..20 with 6..10 colours, one file
#         each: `exact` within EXACT_LIMIT seconds, and with EXACT_LONG set
#         again within that many on the boards it left unproven (the slowest
#         proof named); greedy and lookahead against the optima so proven; and
#         beam at its default width and at each of BEAM_WIDTHS: its moves and
#         how many are optimal on the boards of known optima, its moves over
#         all boards against the optima or, where none is proven, the better
#         lower bound `exact` proved, and its seconds per board;
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
  small_summary "$work"
}

# The small part's table, from the files it wrote in $1: per board small.txt
# ("seed proven optimum greedy lookahead beam beam-seconds bound exact-seconds"),
# widths.txt ("width seed moves seconds bound") and long.txt ("seed proven moves
# bound seconds", the boards run again at EXACT_LONG). A board's optimum is
# known where either run proved it; elsewhere the better bound stands in.
small_summary() {
  local dir=$1
  awk -v limit="$exact_limit" -v long_limit="${exact_long:-}" '
    FILENAME ~ /small.txt$/ {
      boards++; order[boards] = $1; known[$1] = $2; best[$1] = $3; bound[$1] = $8
      greedy[$1] = $4; lookahead[$1] = $5
      moves["default", $1] = $6; seconds["default", $1] = $7; if (!("default" in seen)) { seen["default"]; widths[++w] = "default" }
      if ($2 == 1) proven_first++
      next
    }
    FILENAME ~ /long.txt$/ {
      long_runs++
      if ($2 == 1) { known[$1] = 1; best[$1] = $3; proven_long++; if ($5 > slowest) { slowest = $5; slowest_board = $1 } }
      if ($4 > bound[$1]) bound[$1] = $4
      if ($5 > long_largest) long_largest = $5
      next
    }
    FILENAME ~ /widths.txt$/ {
      moves[$1, $2] = $3; seconds[$1, $2] = $4; if (!($1 in seen)) { seen[$1]; widths[++w] = $1 }
    }
    END {
      printf "exact within %s s: %d of %d boards proven optimal\n", limit, proven_first, boards
      if (long_runs > 0)
        printf "exact within %s s: %d more of the %d left (slowest proof: board %s, %.1f s)\n",
          long_limit, proven_long, long_runs, slowest_board, slowest
      for (i = 1; i <= boards; i++) {
        s = order[i]
        if (known[s]) { optima++; optimum += best[s]; g += greedy[s]; l += lookahead[s] } else { open += bound[s] }
        if (!known[s]) unproven = unproven " " s
      }
      printf "optima known on %d boards (%d moves); the other %d have lower bounds totalling %d\n",
        optima, optimum, boards - optima, open
      printf "  greedy %d (%+.1f%%), lookahead %d (%+.1f%%) on the boards of known optima\n",
        g, 100 * (g - optimum) / optimum, l, 100 * (l - optimum) / optimum
      printf "%-14s %8s %9s %9s %10s %9s %9s\n", "beam width", "moves", "optimal", "vs optima", "all moves", "vs bounds", "s/board"
      for (k = 1; k <= w; k++) {
        width = widths[k]; m = 0; hit = 0; all = 0; lower = 0; t = 0; n = 0; tmax = 0
        for (i = 1; i <= boards; i++) {
          s = order[i]
          if (!((width, s) in moves)) continue
          n++; all += moves[width, s]; lower += known[s] ? best[s] : bound[s]; t += seconds[width, s]
          if (seconds[width, s] > tmax) tmax = seconds[width, s]
          if (known[s]) { m += moves[width, s]; if (moves[width, s] == best[s]) hit++ }
        }
        printf "%-14s %8d %5d/%-3d %+8.2f%% %10d %+8.2f%% %9.2f  (largest %.2f s)\n",
          width, m, hit, optima, 100 * (m - optimum) / optimum, all, 100 * (all - lower) / lower, t / n, tmax
      }
      if (unproven != "") print "unproven boards:" unproven
    }' "$dir/small.txt" "$dir/long.txt" "$dir/widths.txt"
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

# Other work on a shared machine slows the searches: the load goes with the figures.
load() { echo "load average $1: $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) cores"; }
load before
for part in $parts; do "${part}_part"; done
load after
