#!/usr/bin/env bash
# Benchmarks barvotok-contest judge against the evaluator run once per
# submission, on ten 1000 x 1000 grids and 200 submissions: the solver's
# answers under many contestant lines, some padded, some failing, some sent
# twice. Prints a Markdown table of medians over RUNS runs (default 3).
# Usage: scripts/bench-contest.sh [BUILD_DIR] [RUNS]   (not part of ctest)
set -euo pipefail
build=$(realpath "${1:-build/release}")
runs=${2:-3}
gen=$build/tools/gen/barvotok-gen
solve=$build/tools/solve/barvotok-solve
evaluator=$build/Zvn22Barvotok
contest=$build/tools/contest/barvotok-contest
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$gen" -n 10 --width 1000 --height 1000 --seed 2026 -o input.txt
"$solve" -q input.txt -o plain.txt
"$solve" -q --pad 5000 input.txt -o padded.txt
"$solve" -q --drop-last 1 input.txt -o failing.txt
mkdir subs
# 200 files: 130 answers, 30 padded, 20 failing, each under its own
# contestant line, and 20 sent twice (the same bytes under another name).
with_contestant() { printf '%06d\n' "$2"; tail -n +2 "$1"; }
for i in $(seq 1 130); do with_contestant plain.txt "$i" >"subs/s$i.txt"; done
for i in $(seq 131 160); do with_contestant padded.txt "$i" >"subs/s$i.txt"; done
for i in $(seq 161 180); do with_contestant failing.txt "$i" >"subs/s$i.txt"; done
for i in $(seq 181 200); do cp "subs/s$((i - 180)).txt" "subs/s$i.txt"; done

# "wall cpu" seconds of one command, its children included.
seconds() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 " " $2 + $3 }'
}
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
evaluator_each() {
  mkdir -p reports
  find subs -type f | xargs -P 2 -I{} sh -c '"$0" eval input.txt "$1" "reports/$(basename "$1").report"' "$evaluator" {}
}
judge_fresh() { rm -f "results-$1.db"*; "$contest" judge input.txt subs -d "results-$1.db" -j "$1"; }

declare -A wall cpu
for _ in $(seq 1 "$runs"); do
  for run in xargs j2 j1 rerun; do
    case $run in
      xargs) measured=$(seconds evaluator_each) ;;
      j2) measured=$(seconds judge_fresh 2) ;;
      j1) measured=$(seconds judge_fresh 1) ;;
      rerun) measured=$(seconds "$contest" judge input.txt subs -d results-2.db -j 2) ;;
    esac
    wall[$run]+="${measured% *} "
    cpu[$run]+="${measured#* } "
  done
done
wall_of() { tr ' ' '\n' <<<"${wall[$1]}" | grep . | median; }
cpu_of() { tr ' ' '\n' <<<"${cpu[$1]}" | grep . | median; }
xargs_time=$(wall_of xargs) j2=$(wall_of j2) j1=$(wall_of j1) rerun=$(wall_of rerun)

peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
mkdir peak-subs
cp subs/s1.txt subs/s2.txt subs/s131.txt subs/s132.txt subs/s161.txt subs/s162.txt peak-subs/
evaluator_kib=$(peak "$evaluator" eval input.txt subs/s131.txt peak.report)
judge_kib=$(peak "$contest" judge input.txt peak-subs -d peak.db -j 2)

echo "| run (200 submissions, ten 1000 x 1000 grids, median of $runs) | wall s | ratio | CPU s |"
echo "|---|---|---|---|"
printf '| Zvn22Barvotok once per submission, xargs -P 2 | %.2f | 1.00 | %.2f |\n' "$xargs_time" "$(cpu_of xargs)"
printf '| barvotok-contest judge -j 2 | %.2f | %s of xargs | %.2f |\n' "$j2" "$(ratio "$j2" "$xargs_time")" "$(cpu_of j2)"
printf '| barvotok-contest judge -j 1 | %.2f | -j 2 is %sx as fast | %.2f |\n' "$j1" "$(ratio "$j1" "$j2")" "$(cpu_of j1)"
printf '| re-run with nothing new, -j 2 | %.2f | | %.2f |\n' "$rerun" "$(cpu_of rerun)"
echo
echo "Cores: $(nproc); load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| peak memory | KiB | ratio |"
echo "|---|---|---|"
echo "| Zvn22Barvotok, one padded submission | $evaluator_kib | 1.00 |"
printf '| barvotok-contest judge -j 2, six submissions | %s | %s |\n' "$judge_kib" "$(ratio "$judge_kib" "$evaluator_kib")"
