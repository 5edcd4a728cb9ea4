"""ventora.sweep and ventora.export against ventora-run --sweep."""

import csv

import numpy as np
import pytest

import ventora
from conftest import ventora_run

FILES = {"csv": ".sweep.csv", "energyplus": ".sweep.idf", "contam": ".sweep.contam.txt",
         "modelica": ".sweep.mo"}


def test_sweep_equals_the_csv_of_ventora_run(example_copy):
    path = example_copy("low-house.in")
    assert ventora_run("--sweep=30", path).returncode == 0
    with open(str(path)[:-3] + ".sweep.csv", newline="") as f:
        header, *rows = list(csv.reader(f))
    sweep = ventora.sweep(ventora.Job.read(path), step=30)
    first = header.index("Cp wind from 0 deg")
    assert [f"Cp wind from {d:g} deg" for d in sweep.directions] == header[first:]
    np.testing.assert_array_equal(sweep.facade, [float(r[0]) for r in rows])
    np.testing.assert_array_equal(sweep.cp.astype(np.float32),
                                  np.array([r[first:] for r in rows], dtype=np.float32))


@pytest.mark.parametrize("format", FILES)
def test_export_writes_what_ventora_run_writes(format, example_copy, tmp_path):
    path = example_copy("office-block.in")
    assert ventora_run("--sweep", f"--format={format}", path).returncode == 0
    expected = open(str(path)[:-3] + FILES[format], "rb").read()
    job = ventora.Job.read(path)
    written = ventora.export(job, format=format, path=tmp_path / "elsewhere.txt")
    assert open(written, "rb").read() == expected
    assert ventora.export(job, format=format) == str(path)[:-3] + FILES[format]  # beside the job


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
    assert caught.value.messages[0].text.startswith("Plan area density PAD 45 % (for a building")
