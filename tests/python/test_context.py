"""Cp in context from Python: compare() and spread=True give the numbers
ventora-run --compare and --spread write, pickle whole, and refuse what
ventora-run refuses."""

import pickle

import numpy as np
import pandas as pd
import pytest

import ventora
from conftest import ventora_run


def test_compare_is_ventora_runs_table(example_copy):
    job_file = example_copy("office-block.in")
    done = ventora_run("--compare=30", job_file)
    assert done.returncode == 0, done.stderr
    from_file = pd.read_csv(str(job_file)[:-3] + ".compare.csv", comment="#")
    comparison = ventora.compare(ventora.Job.read(job_file), step=30)
    table = comparison.to_pandas()
    assert list(table.columns) == list(from_file.columns)
    pd.testing.assert_frame_equal(table.astype("float32"), from_file.astype("float32"),
                                  check_dtype=False)
    assert comparison.exposure == "semi-sheltered" and table.attrs["exposure"] == comparison.exposure
    assert any("Liddament" in note for note in comparison.notes)
    again = pickle.loads(pickle.dumps(comparison))
    pd.testing.assert_frame_equal(again.to_pandas(), table)


def test_compare_refuses_as_ventora_run(example_copy):
    job = ventora.Job.read(example_copy("office-block.in"))
    with pytest.raises(ValueError):
        ventora.compare(job, step=0)
    job.plan_area_density = 45  # above 35: only a cube may
    with pytest.raises(ventora.RunError) as refused:
        ventora.compare(job)
    assert refused.value.messages == ventora.check(job)


def test_spread_is_ventora_runs_columns(example_copy):
    job_file = example_copy("office-block.in")
    assert ventora_run("--spread", job_file).returncode == 0
    assert ventora_run("--sweep", "--spread", job_file).returncode == 0
    job = ventora.Job.read(job_file)
    run = ventora.run(job, spread=True).to_pandas()
    csv = pd.read_csv(str(job_file)[:-3] + ".out.csv")
    np.testing.assert_array_equal(run.cp_low.astype("float32"), csv["Cp low"].astype("float32"))
    np.testing.assert_array_equal(run.cp_high.astype("float32"), csv["Cp high"].astype("float32"))
    assert "cp_low" not in ventora.run(job).to_pandas().columns
    sweep = ventora.sweep(job, spread=True)
    assert (sweep.cp_low <= sweep.cp).all() and (sweep.cp <= sweep.cp_high).all()
    table = sweep.to_pandas()
    from_file = pd.read_csv(str(job_file)[:-3] + ".sweep.csv", comment="#")
    assert list(table.columns) == list(from_file.columns)
    numbers = table.columns[:-1]
    pd.testing.assert_frame_equal(table[numbers].astype("float32"),
                                  from_file[numbers].astype("float32"))
    assert list(table["Cp status"]) == list(from_file["Cp status"])
    assert ventora.sweep(job).cp_low is None
    assert pickle.loads(pickle.dumps(sweep)).to_pandas().equals(table)
