#!/usr/bin/env bash
# The GNU parallel recipes of docs/contest.md, run as written on the installed programs:
# on one machine, and across two machines with --sshlogin, 127.0.0.1 and
# 127.0.0.2 standing for them, each served by an sshd that this test starts
# with every file in its scratch folder. Both recipes' standings equal one
# run's byte for byte, in CSV, JSON and HTML.
# Usage: parallel_ssh_test.sh BUILD_DIR RECIPES_DIR
# Exits 77 (skipped) when not root: sshd logs in as the user it runs as, and
# a root sshd needs its privilege-separation folder, which the test mounts in
# a mount namespace of its own.
set -u
here=$(dirname "$(realpath "$0")")
# shellcheck source=/dev/null
source "$here/deploy_support.sh"
take_paths build recipes -- "$@"

[ "$(id -u)" -eq 0 ] || skip "sshd and its mount namespace need root"
need_commands parallel rsync ssh ssh-keygen /usr/sbin/sshd unshare ss cmake
ssh_home_before=$(ls -laR --time-style=full-iso ~/.ssh 2>&1)

sshd_pid=
stop_services() {
  [ -z "$sshd_pid" ] || stop_process "$sshd_pid"
}
trap 'stop_services; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM

install_tree "$build"
make_contest "$scratch/contest"
one_run_standings "$scratch/contest" || { echo "FAIL the one run"; exit 1; }

# On one machine. parallel keeps its own files under HOME.
mkdir "$scratch/home"
cp -R "$scratch/contest" "$scratch/one-machine"
(cd "$scratch/one-machine" && HOME=$scratch/home bash "$recipes/one-machine.sh" >recipe.log 2>&1)
check "the one-machine recipe runs" test $? -eq 0
check "the one-machine recipe writes one run's page" cmp -s "$scratch/one-machine/standings.html" "$scratch/one-run.html"
same_standings "four shards on one machine" "$scratch"/one-machine/results-*.db

# Two machines: an sshd on both loopback addresses, its host key, the
# organiser's key and both configs in the scratch folder. The logins find the
# installed programs on PATH and keep their HOME in the scratch folder.
ssh_dir=$scratch/ssh
mkdir -m 700 "$ssh_dir" "$scratch/remote-home" "$scratch/workdir"
ssh-keygen -q -t ed25519 -N '' -f "$ssh_dir/host_key"
ssh-keygen -q -t ed25519 -N '' -f "$ssh_dir/organiser_key"
cp "$ssh_dir/organiser_key.pub" "$ssh_dir/authorized_keys"
port=$(free_port)
cat >"$ssh_dir/sshd_config" <<CONFIG
ListenAddress 127.0.0.1:$port
ListenAddress 127.0.0.2:$port
HostKey $ssh_dir/host_key
PidFile $ssh_dir/sshd.pid
AuthorizedKeysFile $ssh_dir/authorized_keys
# The scratch folder lies in the world-writable /tmp.
StrictModes no
AuthenticationMethods publickey
PermitRootLogin prohibit-password
UsePAM no
SetEnv PATH=$scratch/prefix/bin:/usr/bin:/bin HOME=$scratch/remote-home
CONFIG
cat >"$ssh_dir/ssh_config" <<CONFIG
Host node1
  HostName 127.0.0.1
Host node2
  HostName 127.0.0.2
Host *
  Port $port
  User root
  IdentityFile $ssh_dir/organiser_key
  IdentitiesOnly yes
  BatchMode yes
  HostKeyAlias barvotok-test-sshd
  UserKnownHostsFile $ssh_dir/known_hosts
  GlobalKnownHostsFile /dev/null
  StrictHostKeyChecking yes
  LogLevel ERROR
CONFIG
echo "barvotok-test-sshd $(cat "$ssh_dir/host_key.pub")" >"$ssh_dir/known_hosts"
# sshd wants /run/sshd: a fresh /run in its own mount namespace gives it one
# that nothing else sees and that goes with the process.
unshare --mount --propagation private sh -c \
  'mount -t tmpfs -o mode=755 tmpfs /run && mkdir -m 755 /run/sshd && exec /usr/sbin/sshd -D -e -f "$1"' \
  sh "$ssh_dir/sshd_config" 2>"$ssh_dir/sshd.log" &
sshd_pid=$!
listening() { [ "$(ss -Htln "sport = :$port" | wc -l)" -eq 2 ]; }
if ! wait_until 20 listening; then
  cat "$ssh_dir/sshd.log"
  echo "FAIL sshd did not listen on 127.0.0.1 and 127.0.0.2 port $port"
  exit 1
fi

# The recipe as written; parallel takes its ssh command, a working folder in
# the scratch folder and a job log (appended to by each call) from the environment.
(
  cd "$scratch/contest" &&
    HOME=$scratch/home PARALLEL_SSH="ssh -F $ssh_dir/ssh_config" \
      PARALLEL="--workdir $scratch/workdir --joblog +$scratch/joblog" \
      bash "$recipes/machines.sh" >recipe.log 2>&1
)
status=$?
check "the two-machine recipe runs" test $status -eq 0
[ $status -eq 0 ] || cat "$scratch/contest/recipe.log" "$ssh_dir/sshd.log"
grep 'barvotok-contest judge' "$scratch/joblog" >"$scratch/judge-jobs"
check "eight judge jobs ran, each exiting 0" test "$(awk '$7 == 0' "$scratch/judge-jobs" | wc -l)" -eq 8
check "both machines judged" test "$(awk '{ print $2 }' "$scratch/judge-jobs" | sort -u | tr '\n' ' ')" = "node1 node2 "
check "every shard's database came back" test "$(find "$scratch/contest" -maxdepth 1 -name 'results-*.db' | wc -l)" -eq 8
left=$(cd "$scratch/workdir" 2>/dev/null && find . -mindepth 1)
check "nothing is left on the machines" test -z "$left"
[ -z "$left" ] || echo "left: $left"
check "the two-machine recipe writes one run's page" cmp -s "$scratch/contest/standings.html" "$scratch/one-run.html"
same_standings "eight shards on two machines" "$scratch"/contest/results-*.db

stop_services
sshd_pid=
check "no process of the test is left" test -z "$(leftover_processes)"
# parallel keeps its files under the HOME that it was given (other tests may
# run parallel with the real one meanwhile), and ssh reads only its -F config.
check "parallel kept its files in the scratch folder's HOME" test -d "$scratch/home/.parallel"
check "nothing changed in ~/.ssh" test "$(ls -laR --time-style=full-iso ~/.ssh 2>&1)" = "$ssh_home_before"
finish
