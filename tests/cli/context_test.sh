#!/usr/bin/env bash
# One case of the tests of Cp in context: context_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

table() { grep -v '^#' "$1" | tr -d '\r'; }

case $case_name in
compare)
  cp "$examples/office-block.in" "$work/"
  run --compare "$work/office-block.in"
  expect_status 0
  expect_out "$work/office-block.compare.csv"
  expect_files office-block.in office-block.compare.csv
  csv="$work/office-block.compare.csv"
  [[ $(table "$csv" | tail -n +2 | wc -l) == 96 ]] || fail "not 4 walls x 24 directions"
  # EN 1991-1-4 only where the wind is normal to a wall: 4 walls x 4 normals.
  [[ $(table "$csv" | tail -n +2 | grep -vc ',$') == 16 ]] || fail "EN values off the normals"
  # Zone D on wall 4 at its normal: h/d = 30/40, 0.7 + 0.1 (0.75 - 0.25) / 0.75.
  table "$csv" | grep -q '^4,20,.*,0\.76666665$' || fail "no zone D on wall 4 at its normal"
  for source in "ASHRAE RP-448" "Liddament" "Table 2.2" "EN 1991-1-4: Eurocode 1" "cannot see"; do
    grep -q "^# .*$source" "$csv" || fail "the header lacks $source"
  done
  ;;
context_usage)
  cp "$examples/office-block.in" "$work/"
  for args in "--compare=0" "--compare --sweep" "--spread --compare" "--compare --xls" \
    "--spread --sweep --format=contam"; do
    # shellcheck disable=SC2086  # the options split as a user types them
    run $args "$work/office-block.in"
    expect_status 1
  done
  expect_err "--spread adds Cp low and Cp high to the CSV: with --sweep it goes with --format=csv"
  expect_files office-block.in
  ;;
spread_run)
  cp "$examples/office-block.in" "$work/"
  run --spread "$work/office-block.in"
  expect_status 0
  expect_files office-block.in office-block.out.txt office-block.out.csv
  [[ $(table "$work/office-block.out.csv" | head -n 1) == *",Cp wind from 225 deg,Cp low,Cp high,Cp status" ]] ||
    fail "columns $(table "$work/office-block.out.csv" | head -n 1)"
  # Every Cp lies within its own spread.
  table "$work/office-block.out.csv" | tail -n +2 |
    awk -F, '!($10 <= $9 && $9 <= $11) { exit 1 }' || fail "a Cp outside its spread"
  ;;
spread_sweep)
  cp "$examples/office-block.in" "$work/"
  run --sweep --spread "$work/office-block.in"
  expect_status 0
  head=$(table "$work/office-block.sweep.csv" | head -n 1)
  [[ $head == *",Cp wind from 350 deg,Cp low wind from 0 deg,"*",Cp high wind from 350 deg,Cp status" ]] ||
    fail "columns $head"
  table "$work/office-block.sweep.csv" | awk -F, 'NF < 116 { exit 1 }' || fail "a row without 116 cells"
  grep -q 'spread up to 0.28 at 20 deg, set by the wind direction (within 5 deg)' \
    "$work/office-block.sweep.csv" || fail "no wide spread named"
  ;;
*)
  fail "no such case"
  ;;
esac
