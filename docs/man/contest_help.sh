# What help2man reads as barvotok-contest's help: its usage, then each
# command's help under a heading of its own, so that one page tells the
# whole tool.
# Usage: sh contest_help.sh BARVOTOK-CONTEST --help|--version
contest=$1
if [ "$2" = --version ]; then exec "$contest" --version; fi
"$contest" --help | grep -v "^Run '"
for command in judge standings; do
  printf '\n%s command:\n' "$(printf %s "$command" | sed 's/^./\U&/')"
  "$contest" "$command" --help | sed '1s/^Usage: /  /'
done
