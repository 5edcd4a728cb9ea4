#!/usr/bin/env bash
# One case of the ventora-run process tests: ventora_run_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 data=$3 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

expect_no_leftovers() {
  local left
  left=$(cd "$work" && ls -A | grep -vE '^\.(out|err)$' | grep -vxF -f <(printf '%s\n' "$@") || true)
  [[ -z $left ]] || fail "files left behind: $left"
}
# Report equal to the kept one but for the title line, which is checked by pattern.
expect_report_like() {
  local report=$1 golden=$2
  head -n 1 "$report" | grep -qE "^  File Name: $work/[^ ]+ - Date: [^ ]+ [0-9]{2}, [0-9]{4} - [0-9]{1,2}:[0-9]{2}"$'\r'"$" ||
    fail "title line: $(head -n 1 "$report")"
  cmp -s <(tail -n +2 "$report") <(tail -n +2 "$golden") || fail "$report differs from $golden"
}

case $case_name in
help)
  run --help
  expect_status 0
  grep -qF "Usage: ventora-run [--xls] [-j N] JOB..." <<<"$out" || fail "no usage on stdout"
  grep -qE "^The user guide: /.+/guide/index.md " <<<"$out" || fail "no guide on the last line"
  ;;
version)
  run --version
  expect_status 0
  [[ $out =~ ^ventora-run\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "version '$out'"
  ;;
usage_errors)
  while IFS='|' read -r options says; do
    # shellcheck disable=SC2086  # the options split as a user types them
    run $options
    expect_status 1 && expect_err "$says"
  done <<'CASES'
|no job given
--frobnicate x.in|unknown option '--frobnicate'
a.in --jobs-from|--jobs-from needs a value
-j 0 a.in|-j 0: the number of jobs at once
CASES
  ;;
missing_job)
  run "$work/nothing.in"
  expect_status 1
  expect_err "no job file \"$work/nothing.in\""
  [[ -z $out ]] || fail "stdout not empty"
  ;;
malformed_job)
  printf ' 0 45 20 15 30 20 10 .25 0 0\r\n 1 \r\n 500 \r\n' >"$work/bad.in"
  run "$work/bad.in"
  expect_status 1
  expect_err "bad.in"
  expect_no_leftovers bad.in
  ;;
damaged_header)
  # low-house.in without its last header value, the roof tilt Phi.
  sed '1s/ 30\r$/\r/' "$examples/low-house.in" >"$work/tilt.in"
  run "$work/tilt.in"
  expect_status 1
  expect_err "Job file \"$work/tilt.in\", line 1: the header line does not hold the job's ten values; these could not be read: Phi."
  expect_no_leftovers tilt.in
  run --sweep "$work/tilt.in"
  expect_status 1 && expect_err "could not be read: Phi"
  run --damaged-header=zeros "$work/tilt.in"
  expect_status 0
  expect_err "could not be read: Phi. They are read as 0."
  expect_out "$work/tilt.out.txt"
  run --damaged-header=blank "$work/tilt.in"
  expect_status 1 && expect_err "the only value is zeros"
  ;;
completed)
  cp "$examples/low-house.in" "$work/"
  run "$work/low-house.in"
  expect_status 0
  expect_out "$work/low-house.out.txt"
  [[ -z $err ]] || fail "unexpected messages: $err"
  expect_report_like "$work/low-house.out.txt" "$data/run/low-house.out.txt"
  expect_no_leftovers low-house.in low-house.out.txt
  ;;
workbook)
  cp "$examples/low-house.in" "$work/"
  run --xls "$work/low-house.in"
  expect_status 0
  expect_out "$work/low-house.out.xls"
  [[ -z $err ]] || fail "unexpected messages: $err"
  # An OLE2 compound file; its cells are checked by the calc tests.
  [[ $(od -An -tx1 -N8 "$work/low-house.out.xls" | tr -d ' \n') == d0cf11e0a1b11ae1 ]] ||
    fail "not an Excel 97-2003 workbook"
  expect_no_leftovers low-house.in low-house.out.xls
  ;;
job_name_without_extension)
  cp "$examples/office-block.in" "$work/"
  run "$work/office-block"
  expect_status 0
  expect_out "$work/office-block.out.txt"
  expect_no_leftovers office-block.in office-block.out.txt
  ;;
warnings)
  sed '1s/ \.16 / .42 /' "$examples/low-house.in" >"$work/breezy.in"
  run "$work/breezy.in"
  expect_status 0
  expect_err "Warning: Wind velocity profile exponent VeEXP 0.42 is outside the confidence range 0.1 ≤ VeEXP ≤ 0.4."
  expect_err "Ventora: Wind velocity profile exponent VeEXP 0.42 is outside the confidence range 0.1 ≤ VeEXP ≤ 0.4."
  expect_err "Continuing..."
  ;;
refused)
  sed '1s/^ 30 / 400 /' "$data/run/several-facades.in" >"$work/askew.in"
  printf 'old' >"$work/askew.out.txt"
  run "$work/askew.in"
  expect_status 2
  expect_err "Error: Building azimuth AzB 400 deg. is outside the accepted range 0 ≤ AzB ≤ 360."
  expect_err "Error: The Calculation can not be carried out because input data are out of limits. Please correct input data."
  [[ -z $out ]] || fail "stdout not empty"
  expect_no_leftovers askew.in
  ;;
stopped_by_the_run)
  cp "$data/run/floor-element.in" "$work/"
  run "$work/floor-element.in"
  expect_status 2
  expect_err "Error: The calculation was not executed, same parameters are out of maximum range. "
  [[ -z $out ]] || fail "stdout not empty"
  expect_report_like "$work/floor-element.out.txt" "$data/run/floor-element.out.txt"
  expect_no_leftovers floor-element.in floor-element.out.txt
  ;;
unwritable_report)
  # The report's name fits the system's limit of 255 bytes, its temporary's not.
  long=$(printf 'j%.0s' {1..243})
  cp "$examples/low-house.in" "$work/$long.in"
  run "$work/$long.in"
  expect_status 1
  expect_err "Error: Cannot write the report file \"$long.out.txt\" in the folder \"$work\": File name too long"
  expect_no_leftovers "$long.in"
  ;;
old_results_deleted)
  cp "$data/run/floor-element.in" "$work/"
  printf 'old' >"$work/floor-element.out.xls"
  run "$work/floor-element.in"
  [[ ! -e $work/floor-element.out.xls ]] || fail "the old workbook was kept"
  mkdir -p "$work/floor-element.out.xls/inside" # cannot be deleted
  run "$work/floor-element.in"
  expect_status 1
  expect_err "Error: Cannot delete the old result file"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
