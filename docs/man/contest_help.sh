# What help2man reads as barvotok-contest's help: its usage, then each
# command's options under a heading of its own, then each command's exit
# statuses, so that one page tells the whole tool.
# Usage: sh contest_help.sh BARVOTOK-CONTEST --help|--version
contest=$1
if [ "$2" = --version ]; then exec "$contest" --version; fi
"$contest" --help | grep -v "^Run '"
heading() { printf '%s command:\n' "$(printf %s "$1" | sed 's/^./\U&/')"; }
printf '\nOptions:\n'
for command in judge standings; do
  heading "$command"
  "$contest" "$command" --help | sed -e '1s/^Usage: /  /' -e '/^Options:$/d' -e '/^Exit status:$/,$d'
done
printf '\nExit status:\n'
for command in judge standings; do
  printf '\n'
  heading "$command"
  "$contest" "$command" --help | sed -n '/^Exit status:$/,$p' | sed 1d
done
