"""ventora.surroundings: the same rows as ventora-run's CSV, a job taking
the all-round values in one call, and a bad file raising ValueError."""

import csv
import io
import os
from pathlib import Path

import pytest

import ventora
from conftest import ventora_run

DATA = Path(os.environ["VENTORA_TEST_DATA"]) / "surroundings"
HELSINKI = DATA / "helsinki-buildings.geojson"
SITE = (24.942, 60.172)


def test_rows_are_ventora_runs():
    frame = ventora.surroundings(HELSINKI, SITE, radius=100, sectors=4)
    done = ventora_run("--surroundings", HELSINKI, "--site", "24.942,60.172", "--radius", 100,
                       "--sectors", 4, "--format=csv")
    rows = list(csv.reader(io.StringIO(done.stdout)))
    assert list(frame.columns) == rows[0]
    assert len(frame) == len(rows) - 1 == 5
    for (_, got), want in zip(frame.iterrows(), rows[1:]):
        assert got["PAD (%)"] == pytest.approx(float(want[2]), abs=5e-5)
        assert (got["SbH (m)"] != got["SbH (m)"]) == (want[3] == "")  # NaN for none
        assert got["buildings counted"] == int(want[4])
    assert frame.attrs["radius"] == 100
    assert any("repaired" in note for note in frame.attrs["notes"])


def test_a_job_takes_the_values():
    path = Path(os.environ["VENTORA_EXAMPLES"]) / "office-block.in"
    job = ventora.Job.read(path)
    frame = ventora.surroundings(HELSINKI, SITE, job=job)
    assert frame.attrs["radius"] == 5 * job.height  # Bdz 30 m stands above the SbH found
    assert job.plan_area_density == pytest.approx(frame["PAD (%)"][0], abs=1e-4)
    assert job.surroundings_height == pytest.approx(frame["SbH (m)"][0], abs=1e-4)
    # A job file gives its height, and is left as it was.
    assert ventora.surroundings(HELSINKI, SITE, job=path).attrs["radius"] == frame.attrs["radius"]
    assert ventora.Job.read(path).plan_area_density == 30
    with pytest.raises(TypeError, match="job must be a ventora.Job or a job file's path"):
        ventora.surroundings(HELSINKI, SITE, job=30)


@pytest.mark.parametrize("given, error, says", [
    ({"default_height": -3}, ValueError, "default_height = -3 is outside its range 0 < height"),
    ({"default_height": float("nan")}, ValueError, "default_height = nan is outside"),
    ({"storey_height": float("inf")}, ValueError, "storey_height = inf is outside its range 0 <"),
    ({"radius": 1e308}, ValueError, r"radius = 1e\+308 is outside its range 1 ≤ radius ≤ 10000 m"),
    ({"radius": True}, TypeError, "radius must be a number of metres, not True"),
    ({"sectors": 2.7}, TypeError, "sectors must be a whole number from 1 to 360, not 2.7"),
    ({"sectors": 0}, ValueError, "sectors = 0 is outside its range 1 ≤ sectors ≤ 360"),
    ({"site": (float("nan"), 60)}, ValueError, r"site = \(nan, 60\) is outside its range"),
    ({"site": (24.9,)}, TypeError, r"site must be two numbers \(x, y\)"),
    ({"site": (1e6, 60)}, ValueError, "is not a longitude and latitude"),
    ({"crs": 4326}, TypeError, "crs must be a reference system's name"),
])
def test_values_are_checked_as_ventora_run_checks_them(given, error, says):
    arguments = {"site": SITE, "radius": 100, **given}
    with pytest.raises(error, match=says):
        ventora.surroundings(HELSINKI, **arguments)


@pytest.mark.parametrize("content, says", [
    ("", r'bad.geojson" is empty'),
    # A hundred thousand brackets once overflowed the stack and killed Python.
    ('{"type":"FeatureCollection","features":' + "[" * 100000,
     r'bad.geojson", line 1: arrays and objects nested more than 100 deep'),
])
def test_bad_file_names_it(tmp_path, content, says):
    bad = tmp_path / "bad.geojson"
    bad.write_text(content)
    with pytest.raises(ValueError, match=says):
        ventora.surroundings(bad, SITE, radius=100)
    with pytest.raises(ValueError, match="radius"):
        ventora.surroundings(HELSINKI, SITE)
