"""ventora.Footprints and examples/district_footprints.py: each building of a
footprint file as a box (the smallest rectangle round it, its height, a point
inside it), its surroundings without itself, and the district's jobs from a
real file."""

import json
import math
import os
import subprocess
import sys
from pathlib import Path

import numpy as np
import pandas as pd
import pytest
import shapely.geometry

import district_footprints
import ventora
from conftest import EXAMPLES

DATA = Path(os.environ["VENTORA_TEST_DATA"]) / "surroundings"
# A transverse Mercator frame whose central meridian runs through the
# buildings: grid north is true north there and a grid metre a metre.
FRAME = "+proj=tmerc +lat_0=0 +lon_0=9 +k=1 +x_0=500000 +y_0=0 +ellps=WGS84 +units=m +type=crs"
X0, Y0 = 500000, 5000000


def rotated(cx, cy, length, width, bearing):
    """The corners of a length x width rectangle whose long sides run at
    `bearing` (degrees from north), centred on (cx, cy) m from the origin."""
    u = (math.sin(math.radians(bearing)), math.cos(math.radians(bearing)))
    n = (-u[1], u[0])
    corners = [(a * length / 2, b * width / 2) for a, b in ((-1, -1), (1, -1), (1, 1), (-1, 1))]
    return [(cx + a * u[0] + b * n[0], cy + a * u[1] + b * n[1]) for a, b in corners]


def feature(points, **properties):
    ring = [[X0 + x, Y0 + y] for x, y in points]
    return {"type": "Feature", "properties": properties,
            "geometry": {"type": "Polygon", "coordinates": [ring + ring[:1]]}}


# (id, outline, properties, centre, length, width, azimuth)
BUILDINGS = [
    ("east-west", rotated(0, 0, 40, 10, 90), {"height": 12}, (0, 0), 40, 10, 90),
    ("turned", rotated(120, 30, 30, 12, 30), {"building:levels": "4"}, (120, 30), 30, 12, 30),
    ("steep", rotated(-80, 60, 25, 24, 160), {"height": "9.5 m"}, (-80, 60), 25, 24, 160),
    # An L whose centroid (13, 8 from its corner) lies outside it.
    ("ell", [(-100, -100), (-60, -100), (-60, -96), (-96, -96), (-96, -70), (-100, -70)],
     {}, (-80, -85), 40, 30, 90),
]


@pytest.fixture(scope="module")
def city(tmp_path_factory):
    features = [dict(feature(outline, **properties), id=name)
                for name, outline, properties, *_ in BUILDINGS]
    path = tmp_path_factory.mktemp("city") / "city.geojson"
    path.write_text(json.dumps({"type": "FeatureCollection",
                                "crs": {"type": "name", "properties": {"name": FRAME}},
                                "features": features}))
    return path


def convergence(x, y):
    """Grid north's bearing from true north at (x, y) of FRAME, degrees."""
    import pyproj
    lon, lat = pyproj.Transformer.from_crs(FRAME, "OGC:CRS84", always_xy=True).transform(x, y)
    return pyproj.Proj(FRAME).get_factors(lon, lat).meridian_convergence


def test_each_building_is_the_smallest_rectangle_round_it(city):
    boxes = ventora.footprints(city)
    assert list(boxes.id) == [b[0] for b in BUILDINGS]
    for box, (name, outline, _, centre, length, width, azimuth) in zip(
            boxes.itertuples(), BUILDINGS):
        assert (box.x - X0, box.y - Y0) == pytest.approx(centre, abs=1e-6), name
        assert (box.length, box.width) == pytest.approx((length, width), abs=1e-6), name
        # A true-north bearing: the grid's turned by the meridian convergence.
        true = (azimuth + convergence(box.inside_x, box.inside_y)) % 180
        assert min(abs(box.azimuth - true), 180 - abs(box.azimuth - true)) < 1e-6, name
        polygon = shapely.geometry.Polygon([(X0 + x, Y0 + y) for x, y in outline])
        assert polygon.contains(shapely.geometry.Point(box.inside_x, box.inside_y)), name
        assert box.area == pytest.approx(polygon.area, rel=1e-9), name
    assert list(boxes.height[:3]) == [12, 12, 9.5] and math.isnan(boxes.height[3])
    ell = shapely.geometry.Polygon(BUILDINGS[3][1])
    assert not ell.contains(ell.centroid)  # what the inner point is for


HEIGHTS = [12, 12, 9.5, None]


def test_a_building_is_left_out_of_its_own_surroundings(city):
    loaded = ventora.Footprints(city)
    boxes = loaded.buildings()
    outlines = [shapely.geometry.Polygon(b[1]) for b in BUILDINGS]
    every = loaded.building_surroundings(radius=150)
    for i, box in enumerate(boxes.itertuples()):
        site = shapely.geometry.Point(box.inside_x - X0, box.inside_y - Y0)
        circle = site.buffer(150, 4096)
        shares = [(outline.intersection(circle).area, h)
                  for j, (outline, h) in enumerate(zip(outlines, HEIGHTS)) if j != i]
        around = loaded.surroundings((box.inside_x, box.inside_y), radius=150)
        assert around["buildings counted"][0] == sum(a > 0 for a, _ in shares), box.id
        assert around["buildings without a height"][0] == \
            sum(a > 0 and h is None for a, h in shares), box.id
        pad = 100 * sum(a for a, _ in shares) / (math.pi * 150 ** 2)
        assert around["PAD (%)"][0] == pytest.approx(pad, abs=1e-3), box.id
        # All buildings in one call give what each site gives alone.
        for column in ("PAD (%)", "buildings counted", "buildings without a height"):
            assert every[column][i] == around[column][0], (box.id, column)
        assert every["SbH (m)"].fillna(-1)[i] == around["SbH (m)"].fillna(-1)[0], box.id
    assert around.attrs["radius"] == 150 and (every.radius == 150).all()
    assert (every.error == "").all()
    # Without a radius each takes its height's advice; the L has no height.
    advised = loaded.building_surroundings()
    assert list(advised.radius[:3]) == [60, 60, 50] and advised.error[3] == "no height in the data"


@pytest.mark.parametrize("default_height, jobs", [(None, 3), (7.0, 4)])
def test_a_building_without_a_height_is_skipped_or_takes_the_default(city, tmp_path,
                                                                     default_height, jobs):
    paths, table = district_footprints.footprint_jobs(city, tmp_path, radius=150,
                                                      default_height=default_height,
                                                      openings=10)
    assert len(paths) == jobs and len(table) == 4
    ell = table[table.id == "ell"].iloc[0]
    assert ell.area_ratio == pytest.approx((40 * 4 + 4 * 26) / (40 * 30), abs=1e-9)
    assert (table.tie == "").all()
    if default_height is None:
        assert ell.skipped == "no height in the data" and ell.job == ""
    else:
        assert ell.height_from == "default" and ell.skipped == ""
        assert ventora.Job.read(tmp_path / "jobs" / ell.job).height == default_height
    # The job describes the box: BdX the length along AzB, BdY the width.
    turned = ventora.Job.read(tmp_path / "jobs" / "turned.in")
    assert (turned.length, turned.width, turned.height) == pytest.approx((30, 12, 12), abs=1e-4)
    assert turned.building_azimuth == pytest.approx(table.azimuth[1], abs=1e-4)
    assert abs(turned.building_azimuth - 30) < 0.01
    assert turned.plan_area_density == pytest.approx(table["PAD (%)"][1], abs=1e-4)
    assert [len(turned.elements[f]) for f in (1, 2, 3, 4, 5)] == [2, 2, 2, 2, 2]


def test_jobs_from_a_real_file_run(tmp_path):
    paths, table = district_footprints.footprint_jobs(DATA / "delft.city.json", tmp_path,
                                                      openings=5)
    assert len(table) == 160 and (table.height_from == "data").all()
    written = table[table.job != ""]
    assert len(written) == len(paths) and len(paths) > 100
    assert (written["PAD (%)"] > 0).all() and (written["SbH (m)"] > 0).all()
    for path in paths[:3]:
        assert ventora.run(ventora.Job.read(path)).verdict == ventora.Verdict.COMPLETED


def test_the_command_line_names_a_file_it_cannot_use(tmp_path):
    done = subprocess.run([sys.executable, EXAMPLES / "district.py", "--footprints",
                           DATA / "DH_01_subs.city.json", "--out", tmp_path],
                          capture_output=True, text=True)
    assert done.returncode == 1
    assert 'DH_01_subs.city.json" names no reference system' in done.stderr
    assert "Traceback" not in done.stderr and os.listdir(tmp_path) == []


def test_a_loaded_file_pickles_with_its_outlines_and_needs_the_file_no_more(tmp_path):
    import pickle
    path = tmp_path / "helsinki.geojson"
    path.write_bytes((DATA / "helsinki-buildings.geojson").read_bytes())
    loaded = ventora.Footprints(path)
    data = pickle.dumps(loaded)
    path.unlink()
    again = pickle.loads(data)
    assert again.path == loaded.path and again.notes == loaded.notes
    pd.testing.assert_frame_equal(again.buildings(), loaded.buildings())
    pd.testing.assert_frame_equal(again.building_surroundings(radius=80),
                                  loaded.building_surroundings(radius=80))
    # What reading left out is said: 12 of the 494 features cover no ground.
    assert any(note.startswith("12 footprints of") and "cover no ground" in note
               for note in again.notes)
    # Where another orientation gives a box of the same area, it is named.
    boxes = again.buildings()
    assert set(boxes.id[boxes.tie != ""]) == {"17361610", "58023634", "122885437", "123523929",
                                              "123960447"}


def test_the_same_buildings_read_by_gdal_and_as_geojson_give_the_same_boxes():
    pbf = ventora.footprints(DATA / "Helsinki.osm.pbf").set_index("id").sort_index()
    geojson = ventora.footprints(DATA / "helsinki-buildings.geojson").set_index("id").sort_index()
    assert list(pbf.index) == list(geojson.index) and len(pbf) == 482
    for column in ("length", "width", "azimuth", "area"):
        np.testing.assert_allclose(pbf[column], geojson[column], rtol=1e-6, atol=1e-4,
                                   err_msg=column)
    np.testing.assert_array_equal(pbf.height.isna(), geojson.height.isna())
