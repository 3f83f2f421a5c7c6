#!/usr/bin/env bash
# Fuzzes every target for SECONDS each (default 30): scripts/fuzz.sh [SECONDS]
#
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer, UBSan) and runs
# each target from its seeds: fuzz/corpus/<target>/ and the golden cases.
# New coverage goes to a scratch folder. A finding (crash, leak, undefined
# behaviour, broken invariant, timeout, memory blow-up) is written into
# fuzz/corpus/<target>/ as a regression seed, which every later ctest run
# replays, and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

bash scripts/install-check-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bash fuzz/seeds_from_golden.sh tests/golden "$scratch/golden"

failed=()
mapfile -t targets < fuzz/targets.txt
for target in "${targets[@]}"; do
  echo "=== fuzzing $target for $seconds s"
  mkdir -p "$scratch/new/$target"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="fuzz/corpus/$target/")
  if [ -e "fuzz/$target.dict" ]; then options+=(-dict="fuzz/$target.dict"); fi
  if ! "build/fuzz/fuzz/fuzz_$target" "${options[@]}" \
         "$scratch/new/$target" "fuzz/corpus/$target" "$scratch/golden/$target" \
         > "$scratch/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 60 "$scratch/$target.log"
  else
    grep -E "^stat::number_of_executed_units|^Done" "$scratch/$target.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs kept in fuzz/corpus/<target>/)"
  exit 1
fi
echo "fuzzing found nothing"
