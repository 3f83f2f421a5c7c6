# Bash completion for the evaluator and the four tools: options, commands,
# the values an option takes, and file names by the extensions each expects.
# Installed once per program in bash-completion's folder; sourcing it
# defines all five.

# Completes the current word from words, files matching a glob, or folders.
_barvotok_words() { mapfile -t COMPREPLY < <(compgen -W "$1" -- "$2"); }
_barvotok_files() {  # _barvotok_files GLOB WORD: files matching GLOB, and folders to descend into
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <(compgen -f -X "!$1" -- "$2"; compgen -d -- "$2")
}
_barvotok_folders() {
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <(compgen -d -- "$1")
}

_barvotok_evaluator() {
  local word=${COMP_WORDS[COMP_CWORD]}
  if [ "$COMP_CWORD" -eq 1 ]; then
    _barvotok_words eval "$word"
  elif [ "$COMP_CWORD" -le 4 ] && [ "${COMP_WORDS[1]}" = eval ]; then
    _barvotok_files '*' "$word"
  fi
}

_barvotok_gen() {
  local word=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  case $previous in
    -o | --output) _barvotok_files '*.txt' "$word"; return ;;
    -p | --pattern)
      _barvotok_words "uniform clustered stripes comb serpentine checkerboard holes mixed" "$word"
      return
      ;;
    -n | --cases | --width | --height | --colours | -s | --seed | --cluster | --stripe-width | --hole-density) return ;;
  esac
  _barvotok_words "--cases --width --height --colours --pattern --seed --cluster --stripe-width --hole-density
    --output --progress --help --version" "$word"
}

_barvotok_solve() {
  local word=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  case $previous in
    -o | --output | --report) _barvotok_files '*.txt' "$word"; return ;;
    --strategy) _barvotok_words "beam exact greedy lookahead" "$word"; return ;;
    --pad) _barvotok_words max "$word"; return ;;
    --beam-width | --time-limit | --contestant | --drop-last | --stop-after) return ;;
  esac
  if [[ $word == -* ]]; then
    _barvotok_words "--output --report --strategy --beam-width --time-limit --contestant --pad --drop-last
      --stop-after --quiet --progress --help --version" "$word"
  else
    _barvotok_files '*.txt' "$word"
  fi
}

_barvotok_visualise() {
  local word=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  case $previous in
    -o | --output) _barvotok_files '*.html' "$word"; return ;;
    --png) _barvotok_files '*.png' "$word"; return ;;
    --section | --test-case | --move) return ;;
  esac
  if [[ $word == -* ]]; then
    _barvotok_words "--output --section --test-case --png --move --help --version" "$word"
  else
    _barvotok_files '*.@(txt|html)' "$word"
  fi
}

_barvotok_contest() {
  local word=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  if [ "$COMP_CWORD" -eq 1 ]; then
    _barvotok_words "judge standings --help --version" "$word"
    return
  fi
  case ${COMP_WORDS[1]} in
    judge)
      case $previous in
        -d | --results) _barvotok_files '*.db' "$word"; return ;;
        --reports) _barvotok_folders "$word"; return ;;
        -j | --jobs | --shard) return ;;
      esac
      if [[ $word == -* ]]; then
        _barvotok_words "--results --jobs --shard --reports --recheck --json --progress --help --version" "$word"
      else
        _barvotok_files '*' "$word"
      fi
      ;;
    standings)
      case $previous in
        -o | --output) _barvotok_files '*.@(csv|json|html)' "$word"; return ;;
        --format) _barvotok_words "csv json html" "$word"; return ;;
        --scoring) _barvotok_words "relative moves" "$word"; return ;;
        --count) _barvotok_words "best last" "$word"; return ;;
        --input | --reference) _barvotok_files '*.txt' "$word"; return ;;
      esac
      if [[ $word == -* ]]; then
        _barvotok_words "--output --format --scoring --count --input --reference --help --version" "$word"
      else
        _barvotok_files '*.db' "$word"
      fi
      ;;
  esac
}

shopt -s extglob
complete -F _barvotok_evaluator Zvn22Barvotok
complete -F _barvotok_gen barvotok-gen
complete -F _barvotok_solve barvotok-solve
complete -F _barvotok_visualise barvotok-visualise
complete -F _barvotok_contest barvotok-contest
