# Sourced by the install scripts: one way to find and install Debian packages.
#   want COMMAND-OR-FILE PACKAGE   notes PACKAGE when neither the command nor the file exists
#   install_wanted [OPTION]...     installs the noted packages (the options go to
#                                  apt-get install), as root or through sudo, waiting
#                                  up to ten minutes for a package lock that another
#                                  process holds instead of failing at once
needed_packages=()

want() {
  if [ ! -e "$1" ] && ! command -v "$1" >/dev/null 2>&1; then needed_packages+=("$2"); fi
}

install_wanted() {
  [ ${#needed_packages[@]} -gt 0 ] || return 0
  echo "installing: ${needed_packages[*]}"
  local as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  "${apt[@]}" update -qq
  "${apt[@]}" install -y -qq "$@" "${needed_packages[@]}"
  needed_packages=()
}
