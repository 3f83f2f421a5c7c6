# shellcheck shell=bash
# Sourced by the install and scale-out tests, with tests/support/shell_checks.sh:
# the programs from an install tree, a small contest and one run's standings
# to hold shards to, free loopback ports and bounded waits.

# shellcheck source=/dev/null
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell_checks.sh"

skip() {  # skip WHY: the test cannot run on this machine
  echo "skipped: $*"
  exit 77
}

need_commands() {  # need_commands COMMAND...: each is there, else the test fails and says how to get it
  local missing=()
  for command in "$@"; do command -v "$command" >/dev/null || missing+=("$command"); done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL missing ${missing[*]}: bash scripts/install-deps.sh installs them"
    exit 1
  fi
}

install_tree() {  # install_tree BUILD_DIR: cmake --install into $scratch/prefix, whose bin comes first on PATH
  cmake --install "$1" --prefix "$scratch/prefix" >"$scratch/install.log" ||
    { cat "$scratch/install.log"; echo "FAIL cmake --install"; exit 1; }
  export PATH="$scratch/prefix/bin:$PATH"
}

make_contest() {  # make_contest DIR: a test set and its submissions: passes, pads, failures, a copy
  mkdir -p "$1/subs"
  (
    cd "$1" || exit 1
    barvotok-gen --cases 4 --width 20..50 --height 10..40 --colours 3..8 --pattern mixed --seed 5 -o input.txt
    for contestant in 1 2 3 4 5 6 7 8 9; do
      barvotok-solve -q --contestant "10000$contestant" --pad "$contestant" input.txt -o "subs/pad$contestant.txt"
    done
    barvotok-solve -q --contestant 200001 --strategy lookahead input.txt -o subs/lookahead.txt
    barvotok-solve -q --contestant 200002 --drop-last 1 input.txt -o subs/dropped.txt
    printf 'x<&>\nBarvotok\n' >subs/header.txt
    cp subs/pad1.txt subs/copy.txt
  ) || { echo "FAIL the contest could not be made"; exit 1; }
}

one_run_standings() {  # one_run_standings CONTEST_DIR: judged whole on this machine, ranked into $scratch/one-run.*
  barvotok-contest judge "$1/input.txt" "$1/subs" -d "$scratch/one-run.db" >/dev/null &&
    for format in csv json html; do
      barvotok-contest standings "$scratch/one-run.db" -o "$scratch/one-run.$format" || return 1
    done
}

same_standings() {  # same_standings WHAT DATABASE...: they rank as the one run does, byte for byte
  local what=$1 format
  shift
  for format in csv json html; do
    rm -f "$scratch/merged.$format"
    barvotok-contest standings "$@" -o "$scratch/merged.$format"
    check "$what: standings in $format equal one run's byte for byte" \
      cmp -s "$scratch/merged.$format" "$scratch/one-run.$format"
  done
}

free_port() {  # a TCP port below the ephemeral range on which nothing listens
  local port
  while :; do
    port=$((20000 + RANDOM % 12000))
    if ! ss -Htln "sport = :$port" | grep -q .; then
      echo "$port"
      return
    fi
  done
}

wait_until() {  # wait_until SECONDS COMMAND...: polls COMMAND every 0.2 s; false when time runs out
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

running() {  # running PID: the process is there and not a zombie
  [ -e "/proc/$1" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" != Z ]
}

stop_process() {  # stop_process PID: SIGTERM, SIGKILL after 10 s, then reaps it
  kill "$1" 2>/dev/null || return 0
  wait_until 10 eval "! running $1" || kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  return 0
}

leftover_processes() {  # processes whose command line names the scratch folder
  pgrep -af "$scratch" | grep -v "^$$ " || true
}
