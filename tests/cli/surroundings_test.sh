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
  csv)
    # The same buildings from the PBF: the Python tests' footprints.
    run --surroundings "$helsinki" --site $centre --radius 150 --sectors 4 --format=csv
    expect_status 0
    [[ $(head -1 <<<"$out") == "sector from (deg),sector to (deg),PAD (%),SbH (m),buildings counted,buildings without a height" ]] ||
      fail "header: $out"
    [[ $(sed -n 2p <<<"$out") == 0.000,360.000,* ]] || fail "all-round row: $out"
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
  no_height_keeps_the_sbh)
    cp "$examples/office-block.in" "$work/"
    cat >"$work/flat.geojson" <<'JSON'
{"type":"FeatureCollection","features":[
{"type":"Feature","properties":{},"geometry":{"type":"Polygon","coordinates":[[[24.9441,60.1681],[24.9443,60.1681],[24.9443,60.1682],[24.9441,60.1682],[24.9441,60.1681]]]}}]}
JSON
    run --surroundings "$work/flat.geojson" --site 24.9446,60.16815 --radius 50 "$work/office-block.in"
    expect_status 0
    expect_err "ventora-run: note: no building round the site has a height: the job's SbH (20.00 m) is kept; --default-height H gives them one"
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
    while IFS='|' read -r options says; do
      # shellcheck disable=SC2086  # the options split as a user types them
      run --surroundings $options
      expect_refused "$says"
    done <<CASES
$work/empty.geojson --site 1,2 --radius 50|"$work/empty.geojson" is empty
$work/table.csv.txt --site 1,2 --radius 50|"$work/table.csv.txt" is not a map file
$work/topo.json --site 1,2 --radius 50|"$work/topo.json" is JSON but neither GeoJSON
$work/cut.geojson --site 1,2 --radius 50|"$work/cut.geojson", line 3: not valid JSON
$helsinki --site 25.5,60.1680 --radius 150|the site 25.5,60.168 lies more than 150 m from the data of "$helsinki"
$maps/delft.city.json --site 84950,447540 --radius 50 --crs EPSG:999999|--crs EPSG:999999: no such reference system is known
CASES
    ;;
  self_intersecting_ring)
    cat >"$work/bow.geojson" <<'JSON'
{"type":"FeatureCollection","features":[
{"type":"Feature","properties":{"height":6},"geometry":{"type":"Polygon","coordinates":[[[24.9441,60.1681],[24.9443,60.1682],[24.9443,60.1681],[24.9441,60.1682],[24.9441,60.1681]]]}}]}
JSON
    run --surroundings "$work/bow.geojson" --site 24.9442,60.16815 --radius 50
    expect_status 0
    expect_err "1 footprint of \"$work/bow.geojson\" had self-intersecting or otherwise invalid rings: repaired"
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
  values_outside_their_ranges)
    # Every length, height and coordinate has a finite range: refused naming
    # the option, and no value of a file turns into nan or inf.
    inputs=()
    while IFS='|' read -r option value says; do
      run --surroundings "$helsinki" --site $centre --radius 150 "$option" "$value"
      expect_refused "$says"
    done <<'CASES'
--radius|1e308|--radius 1e308 is outside its range 1 ≤ radius ≤ 10000 m
--site|1e308,1e308|--site 1e308,1e308 is outside its range -1000000000 ≤ X, Y ≤ 1000000000
--storey-height|1e308|--storey-height 1e308 is outside its range 0 < storey height ≤ 50 m
--default-height|abc|--default-height abc: a length is needed, 0 < height ≤ 1000 m
--sectors|2.7|--sectors 2.7: the number of wind sectors is a whole number from 1 to 360
CASES
    cat >"$work/tall.geojson" <<'JSON'
{"type":"FeatureCollection","features":[
{"type":"Feature","id":"tower","properties":{"height":1e308},"geometry":{"type":"Polygon","coordinates":[[[24.9441,60.1681],[24.9443,60.1681],[24.9443,60.1682],[24.9441,60.1681]]]}},
{"type":"Feature","id":"levels","properties":{"building:levels":"1e307"},"geometry":{"type":"Polygon","coordinates":[[[24.9441,60.1679],[24.9443,60.1679],[24.9443,60.1678],[24.9441,60.1679]]]}}]}
JSON
    run --surroundings "$work/tall.geojson" --site 24.944,60.168 --radius 50 --format=csv
    expect_status 0
    expect_err '2 buildings of "'"$work"'/tall.geojson" have a height outside the range 0 < height ≤ 1000 m (tower, levels): taken as without a height'
    ! grep -qiE 'nan|inf' <<<"$out" || fail "not a number in: $out"
    ;;
  interrupted_while_reading)
    # SIGTERM delivered as the footprint file is opened (strace injects it
    # there, so the moment is the same on any machine): the reading stops,
    # nothing is printed and nothing is written.
    cp "$examples/office-block.in" "$helsinki" "$work/"
    for job in "" "$work/office-block.in"; do
      # LeakSanitizer (in the asan build) cannot work under ptrace.
      (cd "$elsewhere" && ASAN_OPTIONS=detect_leaks=0 strace -o /dev/null -P "$work/helsinki-buildings.geojson" \
        -e trace=openat -e inject=openat:signal=TERM:when=1 "$bin" ${job:+--sweep --format=energyplus} \
        --surroundings "$work/helsinki-buildings.geojson" --site $centre --radius 150 $job \
        >"$work/.out" 2>"$work/.err")
      status=$? out=$(cat "$work/.out") err=$(cat "$work/.err")
      expect_status 143
      expect_err "ventora-run: interrupted by SIGTERM; no file was left unfinished"
      [[ -z $out ]] || fail "printed: $out"
      expect_files office-block.in helsinki-buildings.geojson
    done
    ;;
  damaged_files)
    # A cut or bit-flipped file says so, with GDAL's words; a shapefile
    # without its .dbf reads, with a note that it has no heights.
    head -c 200000 "$maps/Helsinki.osm.pbf" >"$work/cut.osm.pbf"
    python3 - "$maps/Helsinki.osm.pbf" "$work" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
data[1000::5000] = bytes(b ^ 0x5A for b in data[1000::5000])
open(sys.argv[2] + "/flipped.osm.pbf", "wb").write(data)
# A shapefile of one square in lon/lat, with its .shx and .prj but no .dbf.
ring = [(24.9441, 60.1681), (24.9441, 60.1682), (24.9443, 60.1682), (24.9443, 60.1681)] * 2
body = struct.pack("<i4d2ii", 5, 24.9441, 60.1681, 24.9443, 60.1682, 1, 5, 0)
body += b"".join(struct.pack("<2d", *p) for p in ring[:5])
head = lambda words: struct.pack(">7i", 9994, 0, 0, 0, 0, 0, words) + struct.pack(
    "<2i8d", 1000, 5, 24.9441, 60.1681, 24.9443, 60.1682, 0, 0, 0, 0)
open(sys.argv[2] + "/city.shp", "wb").write(head(54 + len(body) // 2) + struct.pack(">2i", 1, len(body) // 2) + body)
open(sys.argv[2] + "/city.shx", "wb").write(head(54) + struct.pack(">2i", 50, len(body) // 2))
open(sys.argv[2] + "/city.prj", "w").write('GEOGCS["WGS 84",DATUM["WGS_1984",SPHEROID["WGS 84",6378137,298.257223563]],PRIMEM["Greenwich",0],UNIT["degree",0.0174532925199433]]')
PY
    inputs=(cut.osm.pbf flipped.osm.pbf city.shp city.shx city.prj)
    for file in cut.osm.pbf flipped.osm.pbf; do
      run --surroundings "$work/$file" --site $centre --radius 150
      expect_refused "\"$work/$file\" is damaged: GDAL, which reads it, says \""
    done
    run --surroundings "$work/city.shp" --site 24.9440,60.1680 --radius 100
    expect_status 0
    expect_err "\"$work/city.shp\" has no .dbf beside it, which holds the buildings' fields: no building has a height"
    ;;
  usage_errors)
    inputs=()
    while IFS='|' read -r options says; do
      # shellcheck disable=SC2086  # the options split as a user types them
      run $options
      expect_refused "$says"
    done <<CASES
--surroundings $helsinki --radius 150|--surroundings needs --site X,Y
--surroundings $helsinki --site $centre|--surroundings without a job needs --radius R
--surroundings $helsinki --site 24.9,north --radius 150|--site 24.9,north: give the site as X,Y
--surroundings $helsinki --site $centre --radius 150 --sectors 0|--sectors 0: the number of wind sectors is a whole number from 1 to 360
--site $centre --radius 150 job.in|go with --surroundings FILE
--surroundings $helsinki --site $centre --radius 150 --sweep=30|--sweep, --xls and --map need a job
--from-idf box.idf --surroundings $helsinki --site $centre --pad 20 --sbh 10|--pad and --sbh give PAD and SbH, which --surroundings computes
CASES
    ;;
  *)
    fail "unknown case"
    ;;
esac
