#!/usr/bin/env bash
# One case of the ventora-run batch process tests:
# batch_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 data=$3 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

# A report without its date, which may turn over between two runs.
undated() { sed '1s/ - Date: .*$//' "$1"; }

# Five jobs: a malformed one, one out of limits, two of the same name in
# different folders and one stopped by the run.
make_five() {
  mkdir -p "$work/a" "$work/b"
  printf ' 0 45 20 15 30 20 10 .25 0 0\r\n 1 \r\n 500 \r\n' >"$work/bad.in"
  sed '1s/^ 30 / 400 /' "$data/run/several-facades.in" >"$work/askew.in"
  cp "$examples/low-house.in" "$work/a/house.in"
  cp "$examples/office-block.in" "$work/b/house.in"
  cp "$data/run/floor-element.in" "$work/floor.in"
  five=(bad.in askew.in a/house.in b/house.in floor.in)
}

case $case_name in
five_jobs)
  make_five
  run_in "$work" -j 2 "${five[@]}"
  expect_status 1
  batch_err=$err batch_out=$out
  declare -A verdict=([bad.in]=error [askew.in]=stopped [a/house.in]=completed
    [b/house.in]=completed [floor.in]=stopped)
  [[ $(wc -l <<<"$batch_out") == 5 ]] || fail "stdout: $batch_out"
  for job in "${five[@]}"; do
    grep -qE "^$job"$'\t'"${verdict[$job]}"$'\t[0-9]+\t[0-9]+\.[0-9]{3}$' <<<"$batch_out" ||
      fail "no summary '$job ${verdict[$job]}' in: $batch_out"
    report=$work/${job%.in}.out.txt
    [[ -f $report ]] && undated "$report" >"$report.batch"
    # The lone run: same report, and the batch printed its messages, each
    # with the job's name, and no other.
    run_in "$work" "$job"
    [[ $(grep -c "^$job: " <<<"$batch_err") == $(grep -c '' <<<"$err") || -z $err ]] ||
      fail "$job: lone messages '$err', batch '$batch_err'"
    cmp -s <(sed -n "s|^$job: ||p" <<<"$batch_err") <(if [[ -n $err ]]; then printf '%s\n' "$err"; fi) ||
      fail "$job: messages differ; lone '$err', batch '$batch_err'"
    if [[ -f $report ]]; then
      cmp -s <(undated "$report") "$report.batch" ||
        fail "$job: the batch's report differs from the lone run's"
    fi
  done
  [[ $(grep -vcE '^(bad\.in|askew\.in|a/house\.in|b/house\.in|floor\.in): ' <<<"$batch_err") == 0 ]] ||
    fail "messages without their job: $batch_err"
  [[ $(grep -c '' <<<"$batch_err") -ge 3 ]] || fail "messages lost: $batch_err"
  ;;
jobs_from_stdin)
  make_five
  printf 'a/house.in\r\n\n  \nb/house\n' >"$work/list"
  (cd "$work" && "$bin" --jobs-from - <"$work/list" >"$work/.out" 2>"$work/.err")
  status=$?
  expect_status 0
  [[ $(cut -f1,2 "$work/.out" | sort) == $'a/house.in\tcompleted\nb/house\tcompleted' ]] ||
    fail "stdout: $(cat "$work/.out")"
  [[ -f $work/a/house.out.txt && -f $work/b/house.out.txt ]] || fail "reports missing"
  run_in "$work" --jobs-from "$work/nothing"
  expect_status 1 && expect_err "--jobs-from: cannot read \"$work/nothing\": it does not exist"
  # A pipe is read like a file.
  (cd "$work" && "$bin" --jobs-from <(printf 'a/house.in\r') >"$work/.out" 2>"$work/.err")
  status=$? && expect_status 0
  ;;
list_refused)
  # A list the runner cannot trust runs no job and changes no file: a name
  # cut at its NUL by the system once named the job file as its report.
  cp "$examples/low-house.in" "$work/a.in"
  sum=$(md5sum <"$work/a.in")
  while IFS='|' read -r list why; do
    printf "$list" >"$work/list"
    run_in "$work" --jobs-from list
    expect_status 1
    expect_err "ventora-run: --jobs-from: cannot read \"list\": $why"
    [[ -z $out && $(md5sum <"$work/a.in") == "$sum" ]] || fail "$list: ran: $out"
    expect_files a.in list
  done <<'LIST'
a.in\0junk\n|line 1 holds a NUL, which no file name holds
b.in\r\na.in\033[1m\n|line 2 holds the control character 0x1B, which no file name holds
\n\na\tb.in\n|line 3 holds a tab, which no file name holds
\357\273\277\357\273\277a.in\n|line 1 holds a byte-order mark, which no file name holds
LIST
  printf 'a.in%5000s\n' x >"$work/list"
  run_in "$work" --jobs-from list
  expect_status 1 && expect_err "line 1 is longer than 4096 bytes: no path is"
  # Devices are refused unread, however much they would give.
  for device in /dev/zero /dev/urandom; do
    run_in "$work" --jobs-from $device
    expect_status 1 && expect_err "\"$device\": it is not a regular file or a pipe"
  done
  # Standard input is read up to the limit, not on without end.
  (cd "$work" && timeout 20 "$bin" --jobs-from - </dev/zero >"$work/.out" 2>"$work/.err")
  status=$? err=$(cat "$work/.err")
  expect_status 1
  expect_err "--jobs-from -: cannot read standard input: it holds more than 16 MiB"
  rm "$work/list"
  expect_files a.in
  [[ $(md5sum <"$work/a.in") == "$sum" ]] || fail "the job file changed"
  ;;
output_over_input)
  # No run writes over a file it reads, whatever name leads to it; nothing
  # is written then, not even the other jobs' reports.
  cp "$examples/low-house.in" "$work/a.in"
  cp "$examples/low-house.in" "$work/b.in"
  sum=$(md5sum <"$work/a.in")
  ln "$work/a.in" "$work/a.out.txt"
  run_in "$work" b.in a.in
  expect_status 1
  expect_err "ventora-run: the output \"$work/a.out.txt\" is \"$work/a.in\", which this run reads; nothing was written"
  rm "$work/a.out.txt"
  ln -s b.in "$work/a.sweep.csv"
  run_in "$work" --sweep --format=csv a.in b.in
  expect_status 1 && expect_err "\"$work/a.sweep.csv\" is \"$work/b.in\", which this run reads"
  rm "$work/a.sweep.csv"
  # A build without the Cp map refuses --map before it looks at any file.
  probe_dir=$(mktemp -d)
  probe=$(cd "$probe_dir" && "$bin" --map=p.png p.in 2>&1)
  rm -rf "$probe_dir"
  if [[ $probe != *"--map is not available"* ]]; then
    ln -s a.in "$work/a.png"
    run_in "$work" --map=a.png a.in
    expect_status 1 && expect_err "the output \"$work/a.png\" is \"$work/a.in\""
    rm "$work/a.png"
  fi
  printf 'a.in\n' >"$work/b.out.txt"
  run_in "$work" --jobs-from b.out.txt b.in
  expect_status 1 && expect_err "\"$work/b.out.txt\" is \"b.out.txt\", which this run reads"
  run_in "$work" --sweep --format=energyplus --output=b.in a.in b.in
  expect_status 1 && expect_err "\"$work/b.in\" is \"$work/b.in\""
  expect_files a.in b.in b.out.txt
  [[ $(md5sum <"$work/a.in") == "$sum" && $(cat "$work/b.out.txt") == a.in ]] ||
    fail "an input changed"
  ;;
threads_agree)
  # -j 1 and -j 4 write the same files: eight jobs of different sizes.
  for n in 1 2 3 4; do
    cp "$examples/low-house.in" "$work/low$n.in"
    cp "$examples/office-block.in" "$work/office$n.in"
  done
  for j in 1 4; do
    run_in "$work" -j "$j" --format=csv low{1,2,3,4}.in office{1,2,3,4}.in
    expect_status 0
    mkdir "$work/j$j"
    for f in "$work"/*.out.*; do
      undated "$f" >"$work/j$j/$(basename "$f")"
    done
  done
  [[ $(find "$work/j1" -type f | wc -l) == 16 ]] || fail "files: $(ls "$work/j1")"
  diff -r "$work/j1" "$work/j4" >/dev/null || fail "-j 1 and -j 4 differ"
  ;;
text_run_loads_no_qt)
  # The dynamic linker names every library it loads, dlopen'ed ones too.
  cp "$examples/low-house.in" "$work/"
  loaded=$(cd "$work" && LD_DEBUG=files "$bin" --format=csv low-house.in 2>&1 >/dev/null)
  grep -q 'file=libc\.so' <<<"$loaded" || fail "LD_DEBUG shows nothing: $loaded"
  ! grep -qE 'file=[^ ]*(libQt|libgsf|libglib|libxml2|libdbus|libgeos|libproj|libgdal)' <<<"$loaded" ||
    fail "a text run loads: $(grep -oE 'file=[^ ]*(libQt|libgsf|libglib|libxml2|libdbus|libgeos|libproj|libgdal)[^ ]*' <<<"$loaded" | sort -u)"
  loaded=$(cd "$work" && LD_DEBUG=files "$bin" --xls low-house.in 2>&1 >/dev/null)
  grep -qE 'file=[^ ]*libgsf' <<<"$loaded" || fail "the workbook run loads no libgsf"
  ;;
map_library_missing)
  # The program alone, without its library folder.
  mkdir -p "$work/bin"
  cp "$bin" "$work/bin/"
  cp "$examples/low-house.in" "$work/"
  run_in "$work" --map=low.png low-house.in
  [[ -f $work/low.png ]] || fail "no map from the built program"
  rm "$work/low.png"
  bin=$work/bin/ventora-run
  run_in "$work" --map=low.png low-house.in
  expect_status 1
  expect_err "\"$work/lib/ventora/libventora-cpmap.so\": the file is missing"
  [[ -f $work/low-house.out.txt && ! -e $work/low.png ]] || fail "report missing or map made"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
