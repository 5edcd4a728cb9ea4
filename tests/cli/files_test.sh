#!/usr/bin/env bash
# One case of the ventora-run file tests (runs side by side, interruption, size
# limits): files_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 data=$3 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

expect_files() {
  local have want
  have=$(cd "$work" && ls -A | grep -vE '^\.(out|err)$' | sort)
  want=$(printf '%s\n' "$@" | sort)
  [[ $have == "$want" ]] || fail "files: $(echo $have), expected: $*"
}

# office-block with every facade's elements repeated up to 400: a sweep of it
# at one-degree steps takes many seconds.
long_job() {
  tr -d '\r' <"$examples/office-block.in" | awk '
    NR == 1 { printf "%s\r\n", $0; next }
    state == 0 { f = $1; state = 1; next }
    state == 1 { n[f] = $1; k = 0; state = n[f] > 0 ? 2 : 0; next }
    state == 2 { e[f, ++k] = $2 " " $3; if (k == n[f]) state = 0 }
    END {
      for (f = 1; f <= 6; f++) {
        c = n[f] > 0 ? 400 : 0
        printf " %d \r\n %d \r\n", f, c
        for (i = 1; i <= c; i++) printf " %d  %s\r\n", i, e[f, (i - 1) % n[f] + 1]
      }
    }'
}

case $case_name in
runs_at_once)
  # Four jobs, two of them identical, four runs of each at the same time, in
  # one folder that also holds temporaries a killed run left behind.
  cp "$examples/low-house.in" "$examples/office-block.in" "$data/run/floor-element.in" "$work/"
  cp "$examples/low-house.in" "$work/twin.in"
  jobs=(low-house twin office-block floor-element)
  declare -A want=([low-house]=0 [twin]=0 [office-block]=0 [floor-element]=2)
  mkdir "$elsewhere/lone"
  for job in "${jobs[@]}"; do
    run "$work/$job.in"
    mv "$work/$job.out.txt" "$elsewhere/lone/"
  done
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
    status=$?
    [[ $status == "${want[$job]}" ]] || fail "run $i of $job exited $status: $(cat "$elsewhere/$i.err")"
    if [[ $status == 0 ]]; then
      [[ $(cat "$elsewhere/$i.out") == "$work/$job.out.txt" ]] || fail "run $i said $(cat "$elsewhere/$i.out")"
    fi
  done
  for job in "${jobs[@]}"; do
    cmp -s <(tail -n +2 "$work/$job.out.txt") <(tail -n +2 "$elsewhere/lone/$job.out.txt") ||
      fail "the report of $job differs from a lone run's"
    head -n 1 "$work/$job.out.txt" | grep -qF "File Name: $work/$job - Date: " || fail "title of $job"
  done
  expect_files {low-house,twin,office-block,floor-element}.{in,out.txt}
  ;;
interrupted_sweep)
  long_job >"$work/tall.in"
  "$bin" --sweep=1 "$work/tall.in" >"$work/.out" 2>"$work/.err" &
  pid=$!
  for _ in $(seq 100); do # the first progress line comes after a second
    [[ -s $work/.err ]] && break
    sleep 0.1
  done
  [[ -s $work/.err ]] || fail "no progress line"
  kill -TERM $pid
  wait $pid
  status=$?
  err=$(cat "$work/.err")
  expect_status 143
  expect_err "ventora-run: interrupted by SIGTERM; no file was left unfinished"
  expect_files tall.in
  ;;
oversized_job)
  truncate -s 65M "$work/huge.in"
  run "$work/huge.in"
  expect_status 1
  expect_err "Job file \"$work/huge.in\": the file is not read: it is larger than 64 MiB."
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
