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
    job = ventora.Job.read(Path(os.environ["VENTORA_EXAMPLES"]) / "office-block.in")
    frame = ventora.surroundings(HELSINKI, SITE, job=job)
    assert frame.attrs["radius"] == 5 * job.height  # Bdz 30 m stands above the SbH found
    assert job.plan_area_density == pytest.approx(frame["PAD (%)"][0], abs=1e-4)
    assert job.surroundings_height == pytest.approx(frame["SbH (m)"][0], abs=1e-4)


def test_bad_file_names_it(tmp_path):
    empty = tmp_path / "empty.geojson"
    empty.write_text("")
    with pytest.raises(ValueError, match="empty.geojson\" is empty"):
        ventora.surroundings(empty, SITE, radius=100)
    with pytest.raises(ValueError, match="radius"):
        ventora.surroundings(HELSINKI, SITE)
