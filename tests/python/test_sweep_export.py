"""ventora.sweep and ventora.export against ventora-run --sweep."""

import csv

import numpy as np
import pytest

import ventora
from conftest import EXAMPLES, ventora_run

FILES = {"csv": ".sweep.csv", "energyplus": ".sweep.idf", "contam": ".sweep.contam.txt",
         "modelica": ".sweep.mo"}


def test_sweep_equals_the_csv_of_ventora_run(example_copy):
    path = example_copy("low-house.in")
    assert ventora_run("--sweep=30", path).returncode == 0
    with open(str(path)[:-3] + ".sweep.csv", newline="") as f:
        header, *rows = list(csv.reader(f))
    sweep = ventora.sweep(ventora.Job.read(path), step=30)
    first = header.index("Cp wind from 0 deg")
    assert [f"Cp wind from {d:g} deg" for d in sweep.directions] == header[first:-1]
    np.testing.assert_array_equal(sweep.facade, [float(r[0]) for r in rows])
    np.testing.assert_array_equal(sweep.cp.astype(np.float32),
                                  np.array([r[first:-1] for r in rows], dtype=np.float32))
    assert header[-1] == "Cp status" and {r[-1] for r in rows} == {"plausible"}
    assert (sweep.status == "plausible").all()


@pytest.mark.parametrize("format", FILES)
def test_export_writes_what_ventora_run_writes(format, example_copy, tmp_path):
    path = example_copy("office-block.in")
    assert ventora_run("--sweep", f"--format={format}", path).returncode == 0
    expected = open(str(path)[:-3] + FILES[format], "rb").read()
    job = ventora.Job.read(path)
    written = ventora.export(job, format=format, path=tmp_path / "elsewhere.txt")
    assert open(written, "rb").read() == expected
    assert ventora.export(job, format=format) == str(path)[:-3] + FILES[format]  # beside the job


def troubled_job():
    """Inside every confidence range, yet Cp -9.4 on a wall facing the wind."""
    job = ventora.Job()
    for name, value in dict(AzB=241.19, AnWind=240, PAD=22.19, SbH=13.24, Bdz=36.9, BdX=59.56,
                            BdY=66.49, VeEXP=0.198, Phi=0.47).items():
        setattr(job, name, value)
    job.roof_type = 2
    job.elements[4] = [[34.07, 18.82]]
    return job


def test_every_cp_has_its_status(tmp_path):
    job = troubled_job()
    result = ventora.run(job)
    table = result.to_pandas()
    assert list(table.status) == ["implausible"]
    assert table.status_detail[0] == "implausible: below -0.7 for a windward wall"
    assert [m.title for m in result.messages] == ["Warning"]  # one message for the run
    sweep = ventora.sweep(job, step=30)
    assert sweep.status.shape == sweep.cp.shape
    assert sweep.status[0, list(sweep.directions).index(240)] == "implausible"
    flagged = sweep.status == "implausible"
    assert flagged.any() and not flagged.all()
    target = tmp_path / "t.contam.txt"
    with pytest.raises(ValueError, match="implausible"):
        ventora.export(job, format="contam", path=target, strict=True)
    assert not target.exists()
    ventora.export(job, format="contam", path=target)
    assert "Cp implausible" in target.read_text()
    office = ventora.Job.read(EXAMPLES / "office-block.in")
    assert set(ventora.run(office).to_pandas().status) == {"plausible"}
    ventora.export(office, format="energyplus", path=tmp_path / "o.idf", strict=True)


def test_refusals(example_copy):
    job = ventora.Job.read(example_copy("office-block.in"))
    for call, error in [(lambda: ventora.export(job, format="xls"), ValueError),
                        (lambda: ventora.export(job, format="contam", step=7), ValueError),
                        (lambda: ventora.export(job, format="energyplus", step=5), ValueError),
                        (lambda: ventora.sweep(job, step=0), ValueError),
                        (lambda: ventora.export(ventora.Job(), path="x.csv"), ventora.RunError)]:
        with pytest.raises(error):
            call()
    job.PAD = 45
    with pytest.raises(ventora.RunError) as caught:
        ventora.sweep(job)
    assert caught.value.messages[0].text.startswith("The Plan Area Density must be")
