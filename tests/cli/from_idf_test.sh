#!/usr/bin/env bash
# ventora-run --from-idf as a process: CASE BIN DATA. The models are the
# small ones written for the tests, in tests/idf beside DATA.
set -uo pipefail
# shellcheck disable=SC2034  # bin is read by cli_case.sh
case_name=$1 bin=$2 models=$3/../idf
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

case $case_name in
  from_idf_completed)
    cp "$models/box.idf" "$work/"
    run --from-idf "$work/box.idf" --pad 20 --sbh=10 --sweep=30
    expect_status 0
    grep -qF "Box: AzB 90.00 deg., BdX 20.000 m, BdY 10.000 m, Bdz 6.000 m, flat roof" <<<"$out" ||
      fail "no box in: $out"
    grep -qF "Window West: facade 2, element 1 (box_F2_E1), X 2.00 m, Z 1.00 m" <<<"$out" || fail "$out"
    [[ $(grep -c "_Node,  !- Name" "$work/box.cp.idf") == 5 ]] || fail "not 5 external nodes"
    grep -qF "Ventora_Directions_30deg," "$work/box.cp.idf" || fail "no 30 deg. array"
    [[ $(head -1 "$work/box.ventora.in") == $' 90 0 20 10 6 20 10 .33 0 0\r' ]] || fail "job header"
    [[ $(grep -vc '^#' "$work/box.ventora.sweep.csv") == 6 ]] || fail "sweep rows"
    # The written job swept again names and places every opening as the model does.
    run --sweep=30 --format=energyplus "$work/box.ventora.in"
    expect_status 0
    elements() { grep -o '^! Facade .*\|_F[0-9]_E[0-9]*, *!- Name' "$1" | tr -d '\r '; }
    [[ $(elements "$work/box.cp.idf") == $(elements "$work/box.ventora.sweep.idf") ]] ||
      fail "other names: $(diff <(elements "$work/box.cp.idf") <(elements "$work/box.ventora.sweep.idf"))"
    grep -q "^# Job: box"$'\r'"$" "$work/box.ventora.sweep.csv" || fail "no job in the CSV's header"
    grep -qF "Site:HeightVariation with Wind Speed Profile Exponent 0.33 and Wind Speed Profile Boundary Layer Thickness 460 m (without it, Building Terrain City gives the same)" \
      "$work/box.cp.idf" || fail "no site profile in the header"
    # An exponent other than the model's own: written, with both named.
    run --from-idf "$work/box.idf" --pad 20 --sbh=10 --sweep=30 --veexp 0.25
    expect_status 0
    expect_err "--veexp 0.25 differs from the model's own wind profile exponent 0.33 (Building Terrain City)"
    ;;
  from_idf_refused)
    cp "$models/l_shape.idf" "$work/"
    run --from-idf "$work/l_shape.idf" --pad 20 --sbh 10
    expect_status 2
    expect_err "'Wall 3' stands 5.000 m inside the outline"
    expect_err "Run again with --fit=enclosing"
    [[ $(ls "$work") == l_shape.idf ]] || fail "files written on refusal: $(ls "$work")"
    run --from-idf "$work/l_shape.idf" --pad 20 --sbh 10 --fit=enclosing --zones=Room,Hall
    expect_status 2
    expect_err "--zones names 'Hall', which is no zone of the model (its zones: 'Room')"
    # Tables asked of a model of EnergyPlus 9.1, which has none (its surfaces without Space Name).
    sed -e 's/^Version,24.1;/Version,9.1;/' -e '/^    Room,$/{n;/^    ,$/d}' "$models/box.idf" \
      >"$work/old.idf"
    run --from-idf "$work/old.idf" --pad 20 --sbh 10 --sweep=30 --tables=all
    expect_status 2
    expect_err "old.idf is written for EnergyPlus 9.1, which has no Table:Lookup (it came with 9.2)"
    [[ ! -e $work/old.cp.idf ]] || fail "model written"
    ;;
  from_idf_enclosing)
    cp "$models/l_shape.idf" "$work/"
    run --from-idf "$work/l_shape.idf" --pad 20 --sbh 10 --sweep=30 --fit=enclosing --zones ' Room '
    expect_status 0
    grep -qF "BdX 10.000 m, BdY 10.000 m, Bdz 3.000 m" <<<"$out" || fail "no rectangle in: $out"
    grep -qF "Wall 1: facade " <<<"$out" || fail "$out"
    grep -qF "wall 0.00 m behind the face" <<<"$out" || fail "$out"
    grep -qF "smallest-area rectangle round the plan" <<<"$out" || fail "$out"
    [[ -f $work/l_shape.cp.idf ]] || fail "no model written"
    ;;
  from_idf_usage)
    while IFS='|' read -r options says; do
      # shellcheck disable=SC2086  # the options split as a user types them
      run $options
      expect_status 1 && expect_err "$says"
    done <<CASES
--from-idf $models/box.idf --pad 20|--sbh (their mean height, m)
--from-idf $models/box.idf --pad 20 --sbh 10 --fit=round|--fit takes box or enclosing, not 'round'
--from-idf $models/box.idf --pad 20 --sbh 10 --zones=A,,B|--zones takes zone names separated by commas, not 'A,,B'
--fit=enclosing $models/box.idf|--fit and --zones go with --from-idf MODEL.idf
--pad 20 job.in|--pad, --sbh and --veexp go with --from-idf MODEL.idf
CASES
    ;;
esac
