#!/usr/bin/env bash
# One case of the ventora-run file tests (runs side by side, interruption):
# files_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 data=$3 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

# 400 elements on each wall and the roof: a sweep of it at one-degree steps
# takes many seconds.
long_job() {
  awk 'BEGIN { printf " 20 225 30 20 30 40 20 .33 0 0\r\n"
    for (f = 1; f <= 6; f++) { c = f < 6 ? 400 : 0; printf " %d \r\n %d \r\n", f, c
      for (i = 1; i <= c; i++) printf " %d  %g %g\r\n", i, i % 19 + .5, int(i / 19) % 19 + .5 } }'
}

case $case_name in
runs_at_once)
  # Four jobs, two of them identical, four runs of each at the same time, in
  # one folder that also holds temporaries a killed run left behind.
  cp "$examples/low-house.in" "$examples/office-block.in" "$data/run/floor-element.in" "$work/"
  cp "$examples/low-house.in" "$work/twin.in"
  jobs=(low-house twin office-block floor-element)
  declare -A want=([low-house]=0 [twin]=0 [office-block]=0 [floor-element]=2)
  touch "$work/twin.out.txt.tmp-Zz09Zz09" "$work/twin.out.xls.tmp123456" "$work/twin.in.tmp"
  pids=()
  for i in 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
    job=${jobs[i % 4]}
    "$bin" "$work/$job.in" >"$elsewhere/$i.out" 2>"$elsewhere/$i.err" &
    pids[i]=$!
  done
  for i in "${!pids[@]}"; do
    job=${jobs[i % 4]}
    wait "${pids[i]}"
    status=$? err=$(cat "$elsewhere/$i.err") out=$(cat "$elsewhere/$i.out")
    expect_status "${want[$job]}"
    [[ $status == 2 || $out == "$work/$job.out.txt" ]] || fail "run $i of $job said '$out'"
  done
  for job in "${jobs[@]}"; do
    # The kept reports are a lone run's (see ventora_run_test.sh).
    cmp -s <(tail -n +2 "$work/$job.out.txt") <(tail -n +2 "$data/run/${job/twin/low-house}.out.txt") ||
      fail "the report of $job differs from a lone run's"
    head -n 1 "$work/$job.out.txt" | grep -qF "File Name: $work/$job - Date: " || fail "title of $job"
  done
  expect_files {low-house,twin,office-block,floor-element}.{in,out.txt}
  ;;
interrupted_sweep)
  long_job >"$work/tall.in"
  echo "the last good export" >"$work/tall.sweep.csv"
  "$bin" --sweep=1 "$work/tall.in" >"$work/.out" 2>"$work/.err" &
  pid=$!
  # Until ventora-run itself catches SIGTERM (bit 15 of SigCgt). Before the
  # exec the process is this shell's child, which catches SIGTERM too (for
  # the EXIT trap) and has not yet opened the redirections: the program's
  # image must be running first.
  image=$(readlink -f "$bin") started=
  for _ in $(seq 1200); do
    if [[ $(readlink -f "/proc/$pid/exe" 2>/dev/null) == "$image" ]] &&
      (($(awk '/^SigCgt/ { print "0x" $2 }' "/proc/$pid/status") & 0x4000)); then
      started=1
      break
    fi
    sleep 0.05
  done
  [[ -n $started ]] || { kill -KILL $pid; fail "ventora-run did not start within a minute"; }
  kill -TERM $pid
  wait $pid
  status=$?
  err=$(cat "$work/.err")
  expect_status 143
  expect_err "ventora-run: interrupted by SIGTERM; no file was left unfinished"
  expect_files tall.in tall.sweep.csv
  [[ $(cat "$work/tall.sweep.csv") == "the last good export" ]] || fail "the old export replaced"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
