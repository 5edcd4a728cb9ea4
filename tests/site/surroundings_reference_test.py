"""PAD and SbH at random sites of the real footprint files, computed again
independently with shapely and pyproj (their own reprojection, circle and
union) and compared with ventora-run's: PAD within 0.1 point, SbH within
0.1 m."""

import csv
import io
import json
import math
import os
import random
import re
from pathlib import Path

import subprocess

import pytest

shapely_geometry = pytest.importorskip("shapely.geometry")
shapely_ops = pytest.importorskip("shapely.ops")
pyproj = pytest.importorskip("pyproj")
from shapely.geometry import Point, Polygon  # noqa: E402
from shapely.ops import transform, unary_union  # noqa: E402

try:
    from shapely.validation import make_valid
except ImportError:  # older shapely
    def make_valid(g):
        return g.buffer(0)

DATA = Path(os.environ["VENTORA_TEST_DATA"]) / "surroundings"
RADIUS = 100.0
STOREY = 3.0


def tag(properties, key):
    if properties.get(key) is not None:
        return str(properties[key])
    m = re.search(r'(?:^|,)"' + re.escape(key) + r'"=>"([^"]*)"', properties.get("other_tags") or "")
    return m.group(1) if m else None


def height_of(properties):
    text = tag(properties, "height")
    if text:
        m = re.fullmatch(r"\s*([0-9.]+)\s*(m)?\s*", text)
        if m:
            return float(m.group(1))
    levels = tag(properties, "building:levels")
    if levels:
        try:
            return float(levels) * STOREY
        except ValueError:
            return None
    return None


def footprint(geometry):
    """The polygons of a GeoJSON geometry, rings of fewer than four points
    (three distinct) dropped, made valid."""
    polygons = geometry["coordinates"]
    if geometry["type"] == "Polygon":
        polygons = [polygons]
    shapes = []
    for rings in polygons:
        rings = [r for r in rings if len(r) >= 4]
        if rings:
            shapes.append(make_valid(Polygon(rings[0], rings[1:])))
    return unary_union(shapes)


def helsinki():
    features = json.loads((DATA / "helsinki-buildings.geojson").read_text())["features"]
    return "EPSG:4326", [(footprint(f["geometry"]), height_of(f["properties"]))
                         for f in features]


def delft():
    city = json.loads((DATA / "delft.city.json").read_text())
    scale, shift = city["transform"]["scale"], city["transform"]["translate"]
    vertices = [[v[i] * scale[i] + shift[i] for i in range(3)] for v in city["vertices"]]
    buildings = []
    for obj in city["CityObjects"].values():
        if obj["type"] != "Building":
            continue
        faces = []
        for geometry in obj.get("geometry", []):
            for shell in geometry["boundaries"]:
                for surface in shell:
                    ring = [vertices[i] for i in surface[0]]
                    flat = Polygon([(x, y) for x, y, _ in ring])
                    if flat.is_valid and flat.area > 1e-6:
                        faces.append(flat)
        if faces:
            buildings.append((unary_union(faces), obj["attributes"].get("measuredHeight")))
    return "EPSG:28992", buildings


def reference(crs, buildings, site, sector=None):
    """PAD and SbH at site (file coordinates), or in sector (from, to) degrees."""
    to_lonlat = pyproj.Transformer.from_crs(crs, "EPSG:4326", always_xy=True)
    lon, lat = to_lonlat.transform(*site)
    aeqd = pyproj.CRS.from_proj4(f"+proj=aeqd +lat_0={lat} +lon_0={lon} +datum=WGS84 +units=m")
    local = pyproj.Transformer.from_crs(crs, aeqd, always_xy=True).transform
    region = Point(0, 0).buffer(RADIUS, 1024)
    if sector:
        a, b = sector
        steps = [a + (b - a) * i / 256 for i in range(257)]
        wedge = Polygon([(0, 0)] + [(3 * RADIUS * math.sin(math.radians(t)),
                                     3 * RADIUS * math.cos(math.radians(t))) for t in steps])
        region = region.intersection(wedge)
    site_point = Point(*site)
    pieces, weighted, weights = [], 0.0, 0.0
    for footprint, height in buildings:
        if footprint.distance(site_point) > (RADIUS * 2 if crs != "EPSG:4326" else 0.01):
            continue
        if footprint.covers(site_point):
            continue  # the studied building
        inside = transform(local, footprint).intersection(region)
        if inside.area <= 0:
            continue
        pieces.append(inside)
        if height:
            weighted += inside.area * height
            weights += inside.area
    pad = 100 * unary_union(pieces).area / region.area if pieces else 0.0
    return pad, (weighted / weights if weights else None)


def ventora_run(*args):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    return subprocess.run([os.environ["VENTORA_RUN"], *map(str, args)], env=env,
                          capture_output=True, text=True)


def computed(path, site, sectors):
    done = ventora_run("--surroundings", path, "--site", f"{site[0]!r},{site[1]!r}",
                       "--radius", RADIUS, "--sectors", sectors, "--format=csv")
    assert done.returncode == 0, done.stderr
    return list(csv.DictReader(io.StringIO(done.stdout)))


def sites(buildings, count, seed, step):
    """At buildings (left out as the studied one), and just south of them."""
    chosen = random.Random(seed).sample(buildings, count)
    points = []
    for i, (footprint, _) in enumerate(chosen):
        p = footprint.representative_point()
        points.append((p.x, p.y) if i % 2 == 0 else (p.x, footprint.bounds[1] - step))
    return points


@pytest.mark.parametrize("name,load,path,step", [
    ("helsinki", helsinki, "helsinki-buildings.geojson", 2e-5),
    ("delft", delft, "delft.city.json", 2.0),
])
def test_matches_shapely_and_pyproj(name, load, path, step):
    crs, buildings = load()
    for site in sites(buildings, 6, len(name), step):
        rows = computed(DATA / path, site, 4)
        bounds = [None, (-45, 45), (45, 135), (135, 225), (225, 315)]
        for row, sector in zip(rows, bounds):
            pad, sbh = reference(crs, buildings, site, sector)
            where = f"{name} at {site}, sector {sector}"
            assert float(row["PAD (%)"]) == pytest.approx(pad, abs=0.1), where
            if sbh is None:
                assert row["SbH (m)"] == "", where
            else:
                assert float(row["SbH (m)"]) == pytest.approx(sbh, abs=0.1), where
