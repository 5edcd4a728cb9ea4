"""ventora.sweep and ventora.export against ventora-run --sweep."""

import pytest

import ventora
from conftest import EXAMPLES, ventora_run

# Where each format is written beside office-block.in.
FILES = {"csv": "office-block.sweep.csv", "energyplus": "office-block.sweep.idf",
         "contam": "office-block.sweep.contam.txt", "modelica": "Ventora_office_block.mo"}


@pytest.mark.parametrize("format", FILES)
def test_export_writes_what_ventora_run_writes(format, example_copy, tmp_path):
    path = example_copy("office-block.in")
    assert ventora_run("--sweep", f"--format={format}", path).returncode == 0
    beside = path.parent / FILES[format]
    expected = open(beside, "rb").read()
    job = ventora.Job.read(path)
    written = ventora.export(job, format=format, path=tmp_path / "elsewhere.txt")
    assert open(written, "rb").read() == expected
    assert ventora.export(job, format=format) == str(beside)


def test_boundary_layer_as_ventora_run_takes_it(example_copy, tmp_path):
    path = example_copy("office-block.in")
    assert ventora_run("--sweep", "--format=contam", "--boundary-layer=400", path).returncode == 0
    job = ventora.Job.read(path)
    written = ventora.export(job, format="contam", path=tmp_path / "c.txt", boundary_layer=400)
    assert open(written, "rb").read() == open(str(path)[:-3] + ".sweep.contam.txt", "rb").read()
    default = ventora.export(job, format="contam", path=tmp_path / "default.txt")
    assert open(written, "rb").read() != open(default, "rb").read()
    with pytest.raises(ValueError):
        ventora.export(job, format="contam", path=tmp_path / "d.txt", boundary_layer=5)


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
    assert table.status_detail[0] == (
        "implausible: below 0 for a windward wall above the surroundings")
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
    with pytest.warns(ventora.ExportWarning, match="implausible"):
        ventora.export(job, format="contam", path=target)
    assert "Cp implausible" in target.read_text()
    office = ventora.Job.read(EXAMPLES / "office-block.in")
    assert set(ventora.run(office).to_pandas().status) == {"plausible"}
    ventora.export(office, format="energyplus", path=tmp_path / "o.idf", strict=True)


def test_refusals(example_copy):
    job = ventora.Job.read(example_copy("office-block.in"))
    for call, error in [(lambda: ventora.export(job, format="xls"), ValueError),
                        (lambda: ventora.export(job, format="contam", step=7), ValueError),
                        (lambda: ventora.sweep(job, step=0), ValueError),
                        (lambda: ventora.sweep_many([job], step=1e-9), ValueError),
                        (lambda: ventora.sweep_many(str(job.path)), TypeError),
                        (lambda: ventora.sweep_frame(job.path), TypeError),
                        (lambda: ventora.export(ventora.Job(), path="x.csv"), ventora.RunError)]:
        with pytest.raises(error):
            call()
    # Arguments of the wrong kind: what the function takes, in the program's words.
    for call, says in [(lambda: ventora.run("x"),
                        "run() takes a ventora.Job, then by name spread (True or False), "
                        "not ('x')"),
                       (lambda: ventora.sweep(job, "a"), "sweep() takes a ventora.Job and a step"),
                       (lambda: ventora.sweep_frame([job], "a"), "sweep_many() takes a list of"),
                       (lambda: ventora.export(job, format=5), "export() takes a ventora.Job"),
                       (lambda: ventora.Job.read(5), "Job.read() takes a job file's path")]:
        with pytest.raises(TypeError) as caught:
            call()
        assert str(caught.value).startswith(says) and "incompatible" not in str(caught.value)


FLOOR_JOB = b" 0 0 0 10 10 10 10 .25 0 0\r\n 1 \r\n 1 \r\n 1 1 5 \r\n 6 \r\n 1 \r\n 2 1 1 \r\n"


def test_sweep_table_is_the_csv_and_carries_its_job(example_copy, tmp_path):
    import pandas as pd
    job = ventora.Job.read(example_copy("low-house.in"))
    sweep = ventora.sweep(job, step=7.5)
    written = ventora.export(job, format="CSV", step=7.5, path=tmp_path / "s.csv")
    from_file = pd.read_csv(written, comment="#")  # ventora-run's file: test_export_writes...
    table = sweep.to_pandas()
    assert list(table.columns) == list(from_file.columns)
    assert list(table.columns[:2]) == ["Facade", "Element"] and table.Facade.dtype.kind == "i"
    numbers = table.columns[:-1]
    pd.testing.assert_frame_equal(table[numbers].astype("float32"),
                                  from_file[numbers].astype("float32"))
    assert list(table["Cp status"]) == list(from_file["Cp status"])
    assert table.attrs == {"job": "low-house", "parameters": job.parameters()}
    assert sweep.job == job and sweep.job.path == job.path
    assert repr(sweep) == "<ventora.Sweep low-house: 28 elements x 48 directions " \
                          "(0 to 352.5 deg), 0 stopped>"
    assert sweep.facade.dtype.kind == sweep.number.dtype.kind == "i"
    # Numbered on each facade, as every export names the elements and the run's table does.
    assert list(sweep.number[sweep.facade == 2]) == [1, 2, 3, 4]
    assert list(sweep.number) == list(ventora.run(job).table()["number"])
    result = ventora.run(job).to_pandas()
    assert result.attrs["job"] == "low-house" and result.attrs["parameters"] == job.parameters()
    assert result.attrs["verdict"] == "COMPLETED"


def test_export_warns_of_what_ventora_run_says_of_its_file(tmp_path):
    job = ventora.Job()  # walls of 60 and 6 m: the side aspect ratio beyond its confidence range
    for name, value in dict(AzB=20, AnWind=225, PAD=30, SbH=20, Bdz=30, BdX=60, BdY=6,
                            VeEXP=0.33).items():
        setattr(job, name, value)
    for facade in range(1, 5):
        job.elements[facade] = [[3, 10]]
    path = tmp_path / "narrow.in"
    job.write(path)
    said = ventora_run("--sweep", "--format=csv", path).stderr
    with pytest.warns(ventora.ExportWarning) as warned:
        ventora.export(ventora.Job.read(path), path=tmp_path / "n.csv")
    assert [w.message.args[0].split(" ")[0] for w in warned] == ["Ventora:", "narrow:"]
    for w in warned:
        assert w.message.args[0] in said


def test_export_failures_are_export_errors(example_copy, tmp_path):
    job = ventora.Job.read(example_copy("office-block.in"))
    with pytest.raises(ventora.ExportError, match="no folder"):
        ventora.export(job, path=tmp_path / "no folder" / "x.csv")
    floor = tmp_path / "floor.in"
    floor.write_bytes(FLOOR_JOB)
    stopped = ventora.Job.read(floor)
    with pytest.raises(ventora.ExportError, match="no wind direction could be computed"):
        ventora.export(stopped, step=90)
    with pytest.raises(ventora.RunError, match="no wind direction could be computed") as caught:
        ventora.sweep(stopped, step=90)
    assert caught.value.messages == []
    for format, step, text in [("contam", 7.5, "whole number of degrees"),
                               ("modelica", 22.5, "whole number of degrees"),
                               ("EnergyPlus", 7.5, "at most 36 wind directions"),
                               ("csv", 0, "from 0.1 to 180, not 0")]:
        with pytest.raises(ValueError, match=text):
            ventora.export(job, format=format, step=step, path=tmp_path / "x")
    assert ventora.export(job, format="Modelica", step=45, path=tmp_path / "m.mo")
