#!/usr/bin/env bash
# The Slurm recipe of docs/contest.md, run as written on the installed programs: a
# one-node Slurm cluster (munged, slurmctld, slurmd) started by this test with
# every file in its scratch folder, on free loopback ports; the job array
# judges one shard per task on the task's scratch space, the dependent job
# ranks them, and the standings equal one run's byte for byte in CSV, JSON
# and HTML.
# Usage: slurm_test.sh BUILD_DIR RECIPES_DIR
# Exits 77 (skipped) when not root: slurmd starts each task as its user.
set -u
here=$(dirname "$(realpath "$0")")
# shellcheck source=/dev/null
source "$here/deploy_support.sh"
take_paths build recipes -- "$@"

[ "$(id -u)" -eq 0 ] || skip "slurmd runs jobs as their users and needs root"
need_commands munged mungekey slurmctld slurmd sbatch squeue sinfo scontrol ss cmake
# The places where these daemons keep their files by default stay as they are.
defaults=(/run/munge /var/log/munge /var/lib/munge /etc/munge /run/slurmctld.pid /run/slurmd.pid
  /var/spool/slurmctld /var/spool/slurmd /var/log/slurm /var/log/slurmctld.log /var/log/slurmd.log)
defaults_before=$(ls -la --time-style=full-iso "${defaults[@]}" 2>&1)
steps_before=$(pgrep -x slurmstepd | sort)

pids=()
stop_services() {  # the daemons, last started first
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop_process "${pids[i]}"; done
  pids=()
}
trap 'stop_services; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM

install_tree "$build"
make_contest "$scratch/contest"
one_run_standings "$scratch/contest" || { echo "FAIL the one run"; exit 1; }

# munge: its key, socket, pid, seed and log in the scratch folder.
cluster=$scratch/cluster
mkdir -m 700 "$cluster" "$cluster/munge" "$cluster/state" "$cluster/spool" "$cluster/tasks"
mungekey --create --keyfile="$cluster/munge/munge.key"
munge_socket=$cluster/munge/munge.socket
munged --foreground --force --key-file="$cluster/munge/munge.key" --socket="$munge_socket" \
  --pid-file="$cluster/munge/munged.pid" --seed-file="$cluster/munge/munged.seed" \
  --log-file="$cluster/munge/munged.log" 2>"$cluster/munge/munged.out" &
pids+=($!)

# A task's scratch space: its own folder, as TMPDIR.
cat >"$cluster/task_prolog.sh" <<PROLOG
#!/bin/sh
mkdir -p "$cluster/tasks/\$SLURM_JOB_ID" && echo "export TMPDIR=$cluster/tasks/\$SLURM_JOB_ID"
PROLOG
chmod +x "$cluster/task_prolog.sh"

node=$(hostname -s)
controller_port=$(free_port)
node_port=$(free_port)
while [ "$node_port" = "$controller_port" ]; do node_port=$(free_port); done
export SLURM_CONF=$cluster/slurm.conf
cat >"$SLURM_CONF" <<CONF
ClusterName=barvotok-test
SlurmctldHost=$node(127.0.0.1)
SlurmctldPort=$controller_port
SlurmdPort=$node_port
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$munge_socket
CredType=cred/munge
StateSaveLocation=$cluster/state
SlurmdSpoolDir=$cluster/spool
SlurmctldPidFile=$cluster/slurmctld.pid
SlurmdPidFile=$cluster/slurmd.pid
SlurmctldLogFile=$cluster/slurmctld.log
SlurmdLogFile=$cluster/slurmd.log
PlugStackConfig=$cluster/plugstack.conf
TaskProlog=$cluster/task_prolog.sh
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
SwitchType=switch/none
MpiDefault=none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
MailProg=/bin/true
# The node claims 32 CPUs whatever it has, so that all sixteen tasks of two
# CPUs run at once: each judges a handful of small submissions.
SlurmdParameters=config_overrides
NodeName=$node NodeAddr=127.0.0.1 CPUs=32 State=UNKNOWN
PartitionName=judge Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONF
: >"$cluster/plugstack.conf"
slurmctld -D -i -c >"$cluster/slurmctld.out" 2>&1 &
pids+=($!)
slurmd -D -N "$node" >"$cluster/slurmd.out" 2>&1 &
pids+=($!)
node_idle() { [ "$(sinfo -h -n "$node" -o %t 2>/dev/null)" = idle ]; }
if ! wait_until 60 node_idle; then
  cat "$cluster"/*.log "$cluster"/*.out
  echo "FAIL the one-node cluster did not come up"
  exit 1
fi

# The recipe as written, from the folder that holds the contest, with the
# installed programs on PATH (sbatch passes the environment on).
cp "$recipes/judge.sbatch" "$scratch/contest/"
(cd "$scratch/contest" && unset TMPDIR && bash "$recipes/slurm.sh" >submitted.txt 2>&1)
check "the recipe submits both jobs" test $? -eq 0
standings_job=$(awk '/^Submitted batch job/ { print $4 }' "$scratch/contest/submitted.txt")
jobs_done() { [ -z "$(squeue -h 2>/dev/null)" ]; }
started=$SECONDS
check "the jobs finish within three minutes" wait_until 180 jobs_done
echo "the jobs ran for $((SECONDS - started)) s"
state_of() { scontrol show job "$1" 2>/dev/null | grep -o 'JobState=[A-Z_]*' | sort -u | tr '\n' ' '; }
check "all sixteen tasks and the standings job completed" test \
  "$(scontrol show job 2>/dev/null | grep -c 'JobState=COMPLETED')" -eq 17
check "the standings job completed" test "$(state_of "${standings_job:-none}")" = "JobState=COMPLETED "
check "each task judged on its own scratch space" test "$(find "$cluster/tasks" -name 'shard-*.db' | wc -l)" -eq 16
check "the standings job wrote one run's page" cmp -s "$scratch/contest/standings.html" "$scratch/one-run.html"
same_standings "sixteen shards on Slurm" "$scratch"/contest/results/shard-*.db
if [ "$failures" -gt 0 ]; then
  squeue; scontrol show job | grep -E 'JobId|JobState|Reason'
  tail -n 20 "$cluster"/*.log "$cluster"/munge/*.log "$scratch"/contest/slurm-*.out
fi

stop_services
check "no process of the test is left" test -z "$(leftover_processes)"
steps_gone() { [ "$(pgrep -x slurmstepd | sort)" = "$steps_before" ]; }
check "no job step is left" wait_until 10 steps_gone
check "nothing changed where munge and Slurm keep their files by default" \
  test "$(ls -la --time-style=full-iso "${defaults[@]}" 2>&1)" = "$defaults_before"
finish
