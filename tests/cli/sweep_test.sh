#!/usr/bin/env bash
# One case of the ventora-run export tests: sweep_test.sh CASE BINARY DATA EXAMPLES
set -uo pipefail
case_name=$1 bin=$2 examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

lines() { tr -d '\r' <"$1" | wc -l; }
# The table of a sweep CSV: the lines after its "#" header.
table() { grep -v '^#' "$1"; }

case $case_name in
sweep_csv)
  cp "$examples/office-block.in" "$work/"
  run --sweep "$work/office-block.in"
  expect_status 0
  expect_out "$work/office-block.sweep.csv"
  # Only how far the 10-degree directions miss the model between them.
  [[ $err == "ventora-run: warning: office-block: interpolated between its directions, the export misses the model by up to 0.253; a step of 1 degree brings it to 0." ]] ||
    fail "unexpected messages: $err"
  expect_files office-block.in office-block.sweep.csv
  [[ $(table "$work/office-block.sweep.csv" | wc -l) == 80 ]] || fail "not 79 element rows"
  table "$work/office-block.sweep.csv" | awk -F, 'NF != 44 { exit 1 }' || fail "a row without 44 cells"
  ;;
sweep_step)
  cp "$examples/low-house.in" "$work/"
  run --sweep=45 "$work/low-house"
  expect_status 0
  table "$work/low-house.sweep.csv" | head -n 1 | grep -q ",Cp wind from 0 deg,Cp wind from 45 deg,.*,Cp wind from 315 deg,Cp status"$'\r'"$" ||
    fail "header $(table "$work/low-house.sweep.csv" | head -n 1)"
  ;;
sweep_energyplus)
  cp "$examples/office-block.in" "$work/"
  run --sweep --format=energyplus "$work/office-block.in"
  expect_status 0
  expect_out "$work/office-block.sweep.idf"
  expect_files office-block.in office-block.sweep.idf
  idf=$work/office-block.sweep.idf
  [[ $(grep -c '^  Ventora_Directions_10deg, ' "$idf") == 80 ]] || fail "not one array named by all"
  grep -q "computed by Ventora $("$bin" --version | cut -d' ' -f2)" "$idf" || fail "no version"
  # A flat roof's leading edges: suction beyond -1, kept by a table.
  printf ' 0 0 0 6 6 12 8 .16 0 0\r\n 5 \r\n 2 \r\n 1 0.1 0.1 \r\n 2 6 4 \r\n' >"$work/edge.in"
  run --sweep --format=energyplus "$work/edge.in"
  expect_status 0 && expect_err "1 element has a Cp beyond -1..1 (down to -2.2365887): F5_E1. Ener"
  [[ $(grep -c '^Table:Lookup,' "$work/edge.sweep.idf") == 1 ]] || fail "not one table"
  # Every element a table: no array, which nothing would use.
  run --sweep --format=energyplus --tables=all "$work/edge.in"
  expect_status 0
  [[ $(grep -c '^Table:Lookup,' "$work/edge.sweep.idf") == 2 ]] || fail "not two tables"
  ! grep -q 'WindPressureCoefficientArray,' "$work/edge.sweep.idf" || fail "an unused array"
  ;;
energyplus_jobs)
  cp "$examples/office-block.in" "$examples/low-house.in" "$work/"
  run --sweep --format=energyplus "$work/office-block.in" "$work/low-house" --output="$work/all.idf"
  expect_status 0 && expect_out "$work/all.idf"
  [[ $(grep -c '^  Ventora_Directions_10deg, ' "$work/all.idf") == $((1 + 79 + 28)) ]] ||
    fail "not one array for both jobs"
  mkdir "$work/b" && cp "$examples/low-house.in" "$work/b/"
  run --sweep --format=energyplus "$work/low-house.in" "$work/b/low-house.in"
  expect_status 1 && expect_err "would give their elements the same EnergyPlus names"
  expect_files office-block.in low-house.in all.idf b
  ;;
sweep_modelica)
  cp "$examples/low-house.in" "$work/"
  run --sweep=24 --format=modelica --modelica-package=House "$work/low-house.in"
  expect_status 0 && expect_out "$work/House.mo"
  [[ $(grep -c '_Cp\[15\](each unit="1") =' "$work/House.mo") == 28 ]] ||
    fail "not 28 profiles of 15 points"
  # Named after its package, as MODELICAPATH wants it; no keyword for a name.
  run --sweep=24 --format=modelica "$work/low-house.in"
  expect_status 0 && expect_out "$work/Ventora_low_house.mo"
  grep -q '^package Ventora_low_house "' "$work/Ventora_low_house.mo" || fail "no default package"
  run --sweep=24 --format=modelica --modelica-package=model "$work/low-house.in"
  expect_status 1 && expect_err "'model' is a Modelica keyword, which no package may be named"
  expect_files low-house.in House.mo Ventora_low_house.mo
  ;;
sweep_contam)
  cp "$examples/low-house.in" "$work/"
  run --sweep --format=contam --contam-first=5 "$work/low-house.in"
  expect_status 0 && expect_out "$work/low-house.sweep.contam.txt"
  profiles=$work/low-house.sweep.contam.txt
  [[ $(grep -cE '^[0-9]+ 13 1 low-house_F[1-5]_E[1-8]'$'\r''$' "$profiles") == 28 ]] ||
    fail "not 28 profiles of 13 points"
  grep -q $'^5 13 1 low-house_F1_E1\r$' "$profiles" || fail "not numbered from 5"
  # Two jobs whose profiles would share names in one project: refused, nothing written.
  cp "$examples/low-house.in" "$work/low-houses.in"
  run --sweep --format=contam "$work/low-house.in" "$work/low-houses.in"
  expect_status 1 && expect_err "the jobs 'low-house' and 'low-houses' would give their CONTAM"
  [[ ! -e $work/low-houses.sweep.contam.txt ]] || fail "written despite the clash"
  # The wind settings to enter, for the site's given boundary layer.
  run --sweep --format=contam --boundary-layer=300 "$work/low-house.in"
  expect_status 0
  grep -q '^! (BdZ), velocity profile exponent a = 0.16 (VeEXP) and terrain coefficient' \
    "$profiles" || fail "no wind settings: $(grep -A3 'Reference wind' "$profiles")"
  grep -q 'boundary layer 300 m' "$profiles" || fail "not the given boundary layer"
  ;;
plain_csv)
  cp "$examples/low-house.in" "$work/"
  echo stale >"$work/low-house.out.csv"
  run --format=csv "$work/low-house.in"
  expect_status 0
  expect_out "$work/low-house.out.txt"$'\n'"$work/low-house.out.csv"
  expect_files low-house.in low-house.out.txt low-house.out.csv
  # Its header is held to the guide's by the guide's tests.
  [[ $(lines "$work/low-house.out.csv") == 29 ]] || fail "not 28 element rows"
  ;;
strict)
  # Every input inside the confidence ranges, yet facade 4 gets a Cp near -9.4
  # with the wind head on.
  printf ' 241.19 240 22.19 13.24 36.9 59.56 66.49 .198 2 .47\r\n 4 \r\n 1 \r\n 1 34.07 18.82 \r\n' >"$work/t.in"
  run --format=csv "$work/t.in"
  expect_status 0 && expect_err "1 element has a Cp beyond what codes and wind tunnels give"
  [[ $(grep -o 'lowest' <<<"$err" | wc -l) == 1 ]] || fail "not one message: $err"
  grep -q ',"implausible: below 0 for a windward wall above the surroundings"' "$work/t.out.csv" || fail "no status"
  run --format=csv --strict "$work/t.in"
  expect_status 2 && expect_err "in strict mode no CSV that holds an implausible Cp is written"
  expect_files t.in t.out.txt
  for format in csv energyplus contam modelica; do
    run --sweep --format=$format --strict "$work/t.in"
    expect_status 2 && expect_err "1 element has an implausible Cp"
    expect_files t.in t.out.txt
  done
  run --sweep --format=energyplus "$work/t.in"
  expect_status 0 && expect_err "F4_E1. They are written as WindPressureCoefficientValues"
  grep -q '^Table:Lookup,' "$work/t.sweep.idf" && fail "an implausible element as a table"
  grep -q '^! Cp status: implausible at ' "$work/t.sweep.idf" || fail "no status comment"
  cp "$examples/office-block.in" "$work/"
  run --sweep --format=energyplus --strict "$work/office-block.in"
  expect_status 0
  run --strict "$work/office-block.in"
  expect_status 1 && expect_err "--strict goes with --sweep or --format=csv"
  ;;
option_errors)
  while IFS='|' read -r options says; do
    # shellcheck disable=SC2086  # the options split as a user types them
    run $options "$examples/low-house.in"
    expect_status 1 && expect_err "$says"
  done <<'CASES'
--sweep=5 --format=energyplus|--format=energyplus takes at most 36 wind directions
--sweep=20 --format=contam|use a step that divides 360 and is at least 24 degrees
--sweep=7 --format=modelica|--format=modelica needs a step that divides 360 degrees
--sweep --contam-first=2|--contam-first goes with --format=contam
--sweep --format=idf|unknown format 'idf'
--format=energyplus|--format=energyplus needs --sweep
--sweep=0|the step is a whole number of degrees from 1 to 180
--sweep=ten|the step is a whole number of degrees from 1 to 180
--sweep --xls|--xls and --sweep do not go together
--sweep --boundary-layer=300|--boundary-layer goes with --format=energyplus, contam or modelica
--sweep --format=contam --boundary-layer=5|the boundary layer thickness is a number of metres from 10 to 3000
CASES
  ;;
refused)
  # VeEXP 0.5 is beyond the model's limits: refused before any direction runs.
  printf ' 0 0 20 10 10 20 10 .5 0 0\r\n 1 \r\n 1 \r\n 1 5 5 \r\n' >"$work/steep.in"
  echo "the last good export" >"$work/steep.sweep.csv"
  run --sweep "$work/steep.in"
  expect_status 2
  expect_err "The Calculation can not be carried out because input data are out of limits."
  # The old export is left as it was, alone and as one of several jobs' fragment.
  expect_files steep.in steep.sweep.csv
  cp "$examples/low-house.in" "$work/"
  echo "the last good export" >"$work/both.idf"
  run --sweep --format=energyplus --output="$work/both.idf" "$work/low-house.in" "$work/steep.in"
  expect_status 2
  for file in steep.sweep.csv both.idf; do
    [[ $(cat "$work/$file") == "the last good export" ]] || fail "$file replaced"
  done
  ;;
every_direction_stopped)
  # An element on the floor stops every run: nothing is written, each is named.
  printf ' 0 0 0 10 10 10 10 .25 0 0\r\n 1 \r\n 1 \r\n 1 1 5 \r\n 6 \r\n 1 \r\n 2 1 1 \r\n' \
    >"$work/floor.in"
  run --sweep=90 --format=energyplus "$work/floor.in"
  expect_status 2
  expect_err "wind direction 270 deg.: the run stopped at element 2 (facade 6): the floor"
  expect_err "no wind direction could be computed; nothing was written"
  expect_files floor.in
  ;;
*)
  fail "unknown case"
  ;;
esac
exit 0
