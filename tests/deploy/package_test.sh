#!/usr/bin/env bash
# The Debian package, as an organiser meets it: cpack builds it from the build
# tree, `apt-get install ./barvotok_VERSION_ARCH.deb` installs it with its
# dependencies, the programs and man pages work from PATH, and `apt-get purge`
# removes it and whatever it brought in, leaving the machine as it was.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) when not root, or when a barvotok package is already
# installed (it is left as it is).
set -u
here=$(dirname "$(realpath "$0")")
# shellcheck source=/dev/null
source "$here/deploy_support.sh"
take_paths build source_dir -- "$@"

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
need_commands cpack apt-get dpkg dpkg-deb dpkg-shlibdeps man lintian
if dpkg-query -W -f '${Status}' barvotok 2>/dev/null | grep -q ' installed$'; then
  skip "a barvotok package is already installed; it is left as it is"
fi
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y -q)
installed=()  # what this test installed, removed on any exit
remove_installed() {
  [ ${#installed[@]} -eq 0 ] || "${apt[@]}" purge "${installed[@]}" >purge.log 2>&1
  installed=()
}
trap 'remove_installed; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM

version=$(sed -n 's/^project(.* VERSION \([0-9.]*\) .*/\1/p' "$source_dir/CMakeLists.txt")
package=barvotok_${version}_$(dpkg --print-architecture).deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >cpack.log 2>&1
check "cpack builds $package" test -s "$scratch/package/$package"
[ -s "$scratch/package/$package" ] || { cat cpack.log; exit 1; }
# Debian's policy, as lintian checks it: no error and no warning.
lintian "$scratch/package/$package" >lintian.txt 2>/dev/null
check "lintian finds no error and no warning" test "$(grep -c '^[EW]: ' lintian.txt)" -eq 0
grep '^[EW]: ' lintian.txt
check "the copyright file is the MIT licence, machine-readable" \
  test "$(dpkg-deb --fsys-tarfile "$scratch/package/$package" | tar -xO ./usr/share/doc/barvotok/copyright | sed -n 's/^License: //p')" = Expat
check "the package suggests sqlite3 and parallel" \
  test "$(dpkg-deb -f "$scratch/package/$package" Suggests)" = "sqlite3, parallel"
depends=$(dpkg-deb -f "$scratch/package/$package" Depends)
for library in libsqlite3-0 libxxhash0 libpng16-16 libstdc++6; do
  check "the package depends on $library" grep -q "\\b$library\\b" <<<"$depends"
done

# What apt would bring in beside the package is removed with it afterwards.
mapfile -t brought < <("${apt[@]}" -s install "$scratch/package/$package" | awk '/^Inst / { print $2 }')
"${apt[@]}" install "$scratch/package/$package" >install.log 2>&1
status=$?
installed=(barvotok)
for name in "${brought[@]}"; do [ "$name" = barvotok ] || installed+=("$name"); done
check "apt-get install ./$package" test $status -eq 0
[ $status -eq 0 ] || cat install.log
check "the package is installed in its version" \
  test "$(dpkg-query -W -f '${Status} ${Version}' barvotok)" = "install ok installed $version"
for program in Zvn22Barvotok barvotok-gen barvotok-solve barvotok-visualise barvotok-contest; do
  check "$program is on PATH in /usr/bin" test "$(command -v "$program")" = "/usr/bin/$program"
  check "man finds $program's page" test "$(man -w "$program" 2>/dev/null)" = "/usr/share/man/man1/$program.1.gz"
done
if [ -f "$source_dir/build/web/barvotok.html" ]; then
  check "the contestant's page is in /usr/share/barvotok" cmp -s /usr/share/barvotok/barvotok.html "$source_dir/build/web/barvotok.html"
fi
barvotok-gen -n 3 -p mixed --width 5..30 --height 5..30 -s 3 -o input.txt &&
  mkdir subs && barvotok-solve -q --contestant 123456 input.txt -o subs/a.txt &&
  Zvn22Barvotok eval input.txt subs/a.txt report.txt &&
  barvotok-contest judge input.txt subs -d results.db >/dev/null &&
  barvotok-contest standings results.db -o standings.csv
check "the installed programs judge and rank a contest" \
  test "$(head -n 1 report.txt)" = OK -a "$(grep -c ',123456,' standings.csv)" -eq 1
check "barvotok-visualise draws a PNG: libpng came along" barvotok-visualise input.txt subs/a.txt page.html --png grid.png >/dev/null

remove_installed
check "apt-get purge removes the package" test -z "$(dpkg-query -W -f '${Status}' barvotok 2>/dev/null | grep ' installed$')"
check "and its files" test ! -e /usr/bin/barvotok-contest -a ! -e /usr/share/doc/barvotok \
  -a ! -e /usr/share/man/man1/barvotok-contest.1.gz -a ! -e /usr/bin/Zvn22Barvotok -a ! -e /usr/share/barvotok
finish
