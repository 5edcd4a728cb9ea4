#!/usr/bin/env bash
# ventora-run --surroundings as a process: CASE BIN DATA EXAMPLES. The
# footprint files are the real ones in DATA/surroundings.
set -uo pipefail
# shellcheck disable=SC2034  # bin is read by cli_case.sh
case_name=$1 bin=$2 maps=$3/surroundings examples=$4
# shellcheck source=cli_case.sh
source "$(dirname "${BASH_SOURCE[0]}")/cli_case.sh"

helsinki=$maps/helsinki-buildings.geojson
centre=24.9440,60.1680

# expect_refused TEXT: exit status 1, TEXT on standard error, nothing on
# standard output and no file beside the input.
expect_refused() {
  expect_status 1
  expect_err "$1"
  [[ -z $out ]] || fail "standard output: $out"
  expect_files "${inputs[@]}"
}

case $case_name in
  table)
    run --surroundings "$helsinki" --site $centre --radius 150 --sectors 8
    expect_status 0
    [[ $(wc -l <<<"$out") == 10 ]] || fail "not a header and 9 rows: $out"
    grep -qE '^ +0\.0 +360\.0 +[0-9]+\.[0-9]{2} +[0-9]+\.[0-9]{2} +[0-9]+ +[0-9]+$' <<<"$out" ||
      fail "no all-round row: $out"
    grep -qE '^ +337\.5 +22\.5 ' <<<"$out" || fail "no northern sector: $out"
    expect_err "repaired"
    ;;
  csv_same_from_pbf_and_geojson)
    run --surroundings "$helsinki" --site $centre --radius 150 --sectors 4 --format=csv
    expect_status 0
    from_geojson=$out
    [[ $(head -1 <<<"$out") == "sector from (deg),sector to (deg),PAD (%),SbH (m),buildings counted,buildings without a height" ]] ||
      fail "header: $out"
    [[ $(sed -n 2p <<<"$out") == 0.000,360.000,* ]] || fail "all-round row: $out"
    run --surroundings "$maps/Helsinki.osm.pbf" --site $centre --radius 150 --sectors 4 --format=csv
    expect_status 0
    [[ $out == "$from_geojson" ]] || fail "PBF $out, GeoJSON $from_geojson"
    ;;
  job_takes_the_values)
    cp "$examples/office-block.in" "$work/"
    run --surroundings "$maps/delft.city.json" --site 84950,447540 "$work/office-block.in"
    expect_status 0
    expect_err "from \"$maps/delft.city.json\""
    pad=$(grep -oE 'PAD [0-9.]+ %' <<<"$err" | grep -oE '[0-9.]+')
    grep -qE "Plan Area Density: +$pad%" "$work/office-block.out.txt" ||
      fail "the report lacks PAD $pad: $(grep 'Plan Area' "$work/office-block.out.txt")"
    ;;
  sweep_by_sectors)
    cp "$examples/office-block.in" "$work/"
    site=(--surroundings "$helsinki" --site 24.942,60.172 --radius 100)
    run "${site[@]}" --sweep=30 --format=energyplus "$work/office-block.in"
    expect_status 0
    mv "$work/office-block.sweep.idf" "$work/all-round.idf"
    run "${site[@]}" --sectors 4 --sweep=30 --format=energyplus "$work/office-block.in"
    expect_status 0
    grep -qF '!   wind from 225.0 to 315.0 deg.: PAD 28.42 %, SbH 12.00 m' "$work/office-block.sweep.idf" ||
      fail "no sector in the header: $(head -40 "$work/office-block.sweep.idf")"
    # North's sector is sparser than all round: the Cp differ.
    ! cmp -s <(grep -v '^!' "$work/all-round.idf") <(grep -v '^!' "$work/office-block.sweep.idf") ||
      fail "the sectors changed no Cp"
    run "${site[@]}" --sectors 4 --sweep=30 --format=csv "$work/office-block.in"
    expect_status 0
    grep -qF '#   wind from 225.0 to 315.0 deg.: PAD 28.42 %, SbH 12.00 m' "$work/office-block.sweep.csv" ||
      fail "no sector in the CSV's header: $(grep '^#' "$work/office-block.sweep.csv")"
    inputs=(office-block.in office-block.sweep.idf all-round.idf office-block.sweep.csv)
    run "${site[@]}" --sectors 4 "$work/office-block.in"
    expect_refused "--sectors with a job gives each wind direction of a sweep the values of its sector"
    run "${site[@]}" --sectors 4 --sweep=30 --format=contam "$work/office-block.in"
    expect_refused "--sectors goes with --format=csv or energyplus"
    ;;
  pad_above_the_limit)
    cp "$examples/office-block.in" "$work/"
    run --surroundings "$helsinki" --site $centre --radius 150 "$work/office-block.in"
    expect_status 2
    expect_err "above the model's limit of 35 % for this building"
    ;;
  no_reference_system)
    inputs=()
    run --surroundings "$maps/DH_01_subs.city.json" --site 78650,457900 --radius 50
    expect_refused "DH_01_subs.city.json\" names no reference system"
    run --surroundings "$maps/DH_01_subs.city.json" --site 78650,457900 --radius 50 --crs EPSG:28992
    expect_status 0
    ;;
  bad_input)
    printf '' >"$work/empty.geojson"
    echo 'building,height' >"$work/table.csv.txt"
    echo '{"type":"Topology","objects":{}}' >"$work/topo.json"
    printf '{"type":"FeatureCollection",\n"features":[\n' >"$work/cut.geojson"
    inputs=(empty.geojson table.csv.txt topo.json cut.geojson)
    run --surroundings "$work/empty.geojson" --site 1,2 --radius 50
    expect_refused "\"$work/empty.geojson\" is empty"
    run --surroundings "$work/table.csv.txt" --site 1,2 --radius 50
    expect_refused "\"$work/table.csv.txt\" is not a map file"
    run --surroundings "$work/topo.json" --site 1,2 --radius 50
    expect_refused "\"$work/topo.json\" is JSON but neither GeoJSON"
    run --surroundings "$work/cut.geojson" --site 1,2 --radius 50
    expect_refused "\"$work/cut.geojson\", line 3: not valid JSON"
    run --surroundings "$helsinki" --site 25.5,60.1680 --radius 150
    expect_refused "the site 25.5,60.168 lies more than 150 m from the data of \"$helsinki\""
    run --surroundings "$maps/delft.city.json" --site 84950,447540 --radius 50 --crs EPSG:999999
    expect_refused "--crs EPSG:999999: no such reference system is known"
    ;;
  self_intersecting_ring)
    cat >"$work/bow.geojson" <<'JSON'
{"type":"FeatureCollection","features":[
{"type":"Feature","properties":{"height":6},"geometry":{"type":"Polygon","coordinates":[[[24.9441,60.1681],[24.9443,60.1682],[24.9443,60.1681],[24.9441,60.1682],[24.9441,60.1681]]]}}]}
JSON
    run --surroundings "$work/bow.geojson" --site 24.9442,60.16815 --radius 50
    expect_status 0
    expect_err "1 footprints of \"$work/bow.geojson\" had self-intersecting or otherwise invalid rings: repaired"
    ;;
  output_over_footprints)
    # No output may replace a footprint file, a shapefile's sidecar or a file
    # of a folder read as one source: nothing is written or deleted.
    cp "$examples/office-block.in" "$helsinki" "$work/"
    mkdir "$work/layers" && touch "$work/city.shp" "$work/city.DBF" "$work/layers/a.geojson"
    sums=$(cd "$work" && md5sum office-block.in helsinki-buildings.geojson)
    run_in "$work" --sweep --format=energyplus --output=helsinki-buildings.geojson \
      --surroundings helsinki-buildings.geojson --site $centre office-block.in
    expect_status 1
    expect_err "the output \"$work/helsinki-buildings.geojson\" is \"helsinki-buildings.geojson\", which this run reads; nothing was written"
    run_in "$work" --sweep --format=energyplus --output=city.DBF --surroundings city.shp \
      --site 10,10 office-block.in
    expect_status 1 && expect_err "is \"city.DBF\", which this run reads"
    run_in "$work" --sweep --format=energyplus --output=layers/a.geojson --surroundings layers \
      --site 10,10 office-block.in
    expect_status 1 && expect_err "is \"layers/a.geojson\", which this run reads"
    [[ $(cd "$work" && md5sum office-block.in helsinki-buildings.geojson) == "$sums" ]] ||
      fail "an input changed"
    expect_files office-block.in helsinki-buildings.geojson city.shp city.DBF layers
    ;;
  usage_errors)
    inputs=()
    run --surroundings "$helsinki" --radius 150
    expect_refused "--surroundings needs --site X,Y"
    run --surroundings "$helsinki" --site $centre
    expect_refused "--surroundings without a job needs --radius R"
    run --surroundings "$helsinki" --site 24.9,north --radius 150
    expect_refused "--site 24.9,north: give the site as X,Y"
    run --surroundings "$helsinki" --site $centre --radius 150 --sectors 0
    expect_refused "--sectors 0: the number of wind sectors is a whole number from 1 to 360"
    run --site $centre --radius 150 job.in
    expect_refused "go with --surroundings FILE"
    run --surroundings "$helsinki" --site $centre --radius 150 --sweep=30
    expect_refused "--sweep, --xls and --map need a job"
    run --from-idf box.idf --surroundings "$helsinki" --site $centre --pad 20 --sbh 10
    expect_refused "--pad and --sbh give PAD and SbH, which --surroundings computes"
    ;;
  *)
    fail "unknown case"
    ;;
esac
