#!/usr/bin/env bash
# One case of the ventora-run --map process tests:
# ventora_run_map_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 data=$3 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

# run ARGS...: runs ventora-run in $work, where the map files are looked for.
run() { run_in "$work" "$@"; }

# Width and height from a PNG's header chunk (big-endian, bytes 16 to 23).
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%d %d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

cp "$examples/office-block.in" "$work/office.in"
case $case_name in
map_png)
  run --map=maps/office.png office.in
  expect_status 1 && expect_err "Cannot write the picture"   # no such folder
  [[ -f $work/office.out.txt ]] || fail "the report is lost with the map"
  mkdir "$work/maps"
  run --map=maps/office.png office.in
  expect_status 0
  [[ $(head -c 8 "$work/maps/office.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
    fail "not a PNG"
  [[ $(png_size "$work/maps/office.png") == "1400 900" ]] || fail "size $(png_size "$work/maps/office.png")"
  [[ $out == "$work/office.out.txt"$'\n'"$work/maps/office.png" ]] || fail "stdout '$out'"
  ;;
map_svg)
  run --map=office.SVG office.in
  expect_status 0
  xmllint --noout "$work/office.SVG" || fail "the SVG does not parse"
  grep -q '<svg' "$work/office.SVG" || fail "no svg element"
  grep -q 'width="1400' "$work/office.SVG" || fail "not 1400 wide"
  ;;
map_implausible)
  printf ' 241.19 240 22.19 13.24 36.9 59.56 66.49 .198 2 .47\r\n 4 \r\n 1 \r\n 1 34.07 18.82 \r\n' >"$work/t.in"
  run --map=t.svg t.in
  expect_status 0
  grep -qi 'stroke="#c000c0"' "$work/t.svg" || fail "no implausible mark"
  grep -q 'implausible: beyond possible Cp' "$work/t.svg" || fail "no legend line"
  run --map=office.svg office.in
  expect_status 0
  grep -qi '#c000c0' "$work/office.svg" && fail "an example marked implausible"
  ;;
map_bad_name)
  run --map=office.jpg office.in
  expect_status 1 && expect_err "--map needs a file name ending in .png or .svg"
  [[ ! -e $work/office.out.txt ]] || fail "ran despite the bad option"
  run --map= office.in
  expect_status 1 && expect_err "--map needs a file name"
  run --sweep --map=office.png office.in
  expect_status 1 && expect_err "--map draws one run and cannot go with --sweep"
  ;;
map_refused_run)
  # A profile exponent of 0.5 is refused before the run.
  sed '1s/ \.16 / .5 /' "$examples/low-house.in" >"$work/flat.in"
  run --map=flat.png flat.in
  expect_status 2 && expect_err "no Cp map"
  [[ ! -e $work/flat.png ]] || fail "a map of nothing"
  ;;
map_stopped_run)
  # The floor element stops the run after the wall's two: the map shows them.
  cp "$data/run/floor-element.in" "$work/floor.in"
  run --map=floor.png floor.in
  expect_status 2
  [[ -f $work/floor.png ]] || fail "no map of the stopped run"
  ;;
map_unavailable)
  # Built without the map: the option is refused, and no Qt library is loaded.
  run --map=office.png office.in
  expect_status 1 && expect_err "--map is not available"
  if ldd "$bin" | grep -q 'libQt'; then fail "ventora-run without the map links Qt"; fi
  ;;
*)
  fail "unknown case"
  ;;
esac
exit 0
