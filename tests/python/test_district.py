"""examples/district.py: partitions of buildings swept in one call each, the
local scheduler and a distributed.LocalCluster writing the same files, each
row the Cp of ventora.sweep."""

import os
import subprocess
import sys

import cloudpickle
import numpy as np
import pandas as pd
import pytest

import district
import ventora
from conftest import EXAMPLES

cloudpickle.register_pickle_by_value(district)  # the workers need not find the example
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated")


def read_partition(path):
    return pd.read_hdf(path) if str(path).endswith(".h5") else pd.read_csv(path)


def check_district(out, summary):
    assert list(summary.building) == list(range(20))
    assert (summary.elements == 50).all() and (summary.directions == 36).all()
    assert summary.stopped.sum() == 0 and (summary.error == "").all()
    files = sorted(set(summary.file))
    assert len(files) == 3  # 8 + 8 + 4 buildings
    assert sorted(os.listdir(out)) == sorted([*files, "summary.csv"])
    table = read_partition(out / files[1])
    assert list(table.columns) == list(ventora.many.COLUMNS)
    assert len(table) == 8 * 50 * 36 and table.cp.notna().all()
    assert sorted(table.building.unique()) == list(range(8, 16))


@pytest.fixture(scope="module")
def local(tmp_path_factory):
    out = tmp_path_factory.mktemp("local")
    summary = district.run_district(20, str(out), seed=3, workers=2, per_partition=8)
    check_district(out, summary)
    assert summary.cp_min.min() < 0 < summary.cp_max.max()
    return out, summary


def test_local_cluster_of_two_workers_writes_what_the_local_scheduler_writes(local, tmp_path):
    from distributed import LocalCluster
    with LocalCluster(n_workers=2, threads_per_worker=1, dashboard_address=None) as cluster:
        summary = district.run_district(20, str(tmp_path), seed=3, per_partition=8,
                                        scheduler=cluster.scheduler_address)
    check_district(tmp_path, summary)
    columns = ["file", "azimuth", "cp_min", "cp_mean", "cp_max"]
    pd.testing.assert_frame_equal(summary[columns], local[1][columns])
    for name in set(summary.file):
        pd.testing.assert_frame_equal(read_partition(tmp_path / name),
                                      read_partition(local[0] / name))
    # Each building's Cp came back from the workers, equal to the local ones
    # and to its rows in the partition's file.
    for remote, here, name, number in zip(summary.sweep, local[1].sweep, summary.file,
                                          summary.building):
        pd.testing.assert_frame_equal(remote, here)
        table = read_partition(tmp_path / name)
        pd.testing.assert_frame_equal(remote, table[table.building == number]
                                      .reset_index(drop=True))


def test_a_listing_of_job_files_names_the_one_it_cannot_read(tmp_path):
    for i in range(4):
        district.make_building(5, i).write(tmp_path / f"b{i}.in")
    listing = tmp_path / "jobs.txt"
    listing.write_text("# the district\n" + "\n".join(["b0.in", "b1.in", "missing.in", "b2.in",
                                                       str(tmp_path / "b3.in")]) + "\n")
    out = tmp_path / "out"
    summary = district.run_district(0, str(out), jobs_from=str(listing), workers=1,
                                    per_partition=3)
    assert list(summary.job) == ["b0.in", "b1.in", "missing.in", "b2.in", "b3.in"]
    assert "missing.in" in summary.error[2] and summary.elements[2] == 0
    assert (summary.error.drop(2) == "").all() and (summary.elements.drop(2) == 50).all()


@pytest.mark.parametrize("rows", [1000, 0])
@pytest.mark.parametrize("coded", [False, True])
def test_a_table_file_reads_back_in_pandas_as_the_frame_it_holds(tmp_path, rows, coded,
                                                                  monkeypatch):
    rng = np.random.default_rng(7)
    words, codes = ["plausible", "implausible", "not-computed"], rng.integers(0, 3, rows)
    columns = {"building": np.arange(rows, dtype=np.int32) // 7,
               "facade": rng.integers(1, 6, rows).astype(np.int8),
               "element": rng.integers(1, 401, rows).astype(np.int16),
               "cp": rng.normal(size=rows).astype(np.float32),
               "status": np.array(words, dtype=object)[codes]}
    columns["cp"][::5] = np.nan
    expected = pd.DataFrame(columns)
    if coded:  # the words as codes: the same frame read back
        columns["status"] = ventora.WordColumn(codes.astype(np.uint8), words)
    path = ventora.write_table(columns, str(tmp_path / "part"))
    assert path.endswith(".h5") and os.listdir(tmp_path) == ["part.h5"]
    pd.testing.assert_frame_equal(pd.read_hdf(path), expected)
    # Without PyTables: CSV, the same values (read_csv gives a file without
    # rows an index of another class).
    monkeypatch.setattr(ventora.table_file, "hdf5_available", lambda: False)
    path = ventora.write_table(columns, str(tmp_path / "part"))
    assert path.endswith(".csv")
    pd.testing.assert_frame_equal(pd.read_csv(path, dtype=expected.dtypes.to_dict()), expected,
                                  check_index_type=False)


def test_a_table_of_columns_of_unequal_length_is_refused_and_nothing_written(tmp_path):
    with pytest.raises(ValueError, match="part.*differ in length"):
        ventora.write_table({"a": np.zeros(3), "b": np.zeros(2)}, str(tmp_path / "part"))
    assert os.listdir(tmp_path) == []


def test_per_building_figures_skip_stopped_directions_and_buildings_without_rows():
    rows = np.array([3, 0, 2, 2, 1])
    cp = np.array([0.5, -1, np.nan, np.nan, np.nan, 0.25, -0.5, 2], dtype=np.float32)
    low, mean, high = district.per_building(cp, rows)
    np.testing.assert_array_equal(low, np.float32([-1, np.nan, np.nan, -0.5, 2]))
    np.testing.assert_array_equal(high, np.float32([0.5, np.nan, np.nan, 0.25, 2]))
    np.testing.assert_array_equal(mean, [-0.25, np.nan, np.nan, -0.125, 2])


def test_the_heap_is_tuned_by_the_library_not_the_example():
    # Linux with glibc, as on the machines this project runs on.
    assert ventora.keep_freed_memory() and ventora.heap_in_huge_pages(16)
    assert "ctypes" not in (EXAMPLES / "district.py").read_text()


def test_sweep_many_takes_objects_and_files_and_names_what_it_could_not_sweep(tmp_path):
    path = district.make_building(2, 0).write(tmp_path / "one.in")
    job = ventora.Job.read(path)  # the file's values, as the path gives them
    refused = job.copy()
    refused.PAD = 45
    cp, buildings = ventora.sweep_frame([job, path, refused, tmp_path / "missing.in"], 30)
    assert list(buildings.elements) == [50, 50, 0, 0]
    assert buildings.error[0] == buildings.error[1] == ""
    assert "refused" in buildings.error[2] and "missing.in" in buildings.error[3]
    assert list(buildings.job) == [path, path, path, str(tmp_path / "missing.in")]
    first, second = cp[cp.building == 0], cp[cp.building == 1]
    assert len(first) == 50 * 12
    np.testing.assert_array_equal(first.cp.to_numpy(), second.cp.to_numpy())
    assert cp.cp.dtype == np.float32 and cp.building.dtype == np.int32


def test_buildings_of_different_sizes_keep_their_own_rows():
    # The columns are sized from the buildings swept so far: a small first
    # building, larger ones after it, one refused between them.
    jobs = [district.make_building(3, i, openings) for i, openings in enumerate((1, 40, 7, 90))]
    jobs[2].PAD = 45
    cp, buildings = ventora.sweep_columns(jobs, 45)
    assert list(buildings["elements"]) == [1, 40, 0, 90]
    for number, job in enumerate(jobs):
        rows = cp["building"] == number
        if number == 2:
            assert not rows.any()
            continue
        # Each row is ventora.sweep's, whose values are ventora-run's
        # (test_sweep_export): the district's files hold the Cp ventora-run gives.
        sweep = ventora.sweep(job, 45)
        by_element = [len(sweep.directions), -1]
        np.testing.assert_array_equal(cp["cp"][rows].reshape(by_element).T,
                                      sweep.cp.astype(np.float32))
        np.testing.assert_array_equal(np.asarray(cp["status"][rows]).reshape(by_element).T,
                                      sweep.status)
        across = len(sweep.facade)
        np.testing.assert_array_equal(cp["direction"][rows],
                                      np.repeat(np.float32(sweep.directions), across))
        for column in ("x", "z"):
            np.testing.assert_array_equal(cp[column][rows], np.tile(
                np.float32(getattr(sweep, column)), len(sweep.directions)))


def test_a_file_a_worker_cannot_write_is_named_and_the_others_stay(tmp_path):
    # A folder where the first partition's file goes: its worker's error
    # reaches the command line, naming the file, not the temporary.
    (tmp_path / "part-0000000.h5").mkdir()
    done = subprocess.run([sys.executable, EXAMPLES / "district.py", "--buildings", "6",
                           "--per-partition", "2", "--workers", "2", "--out", tmp_path],
                          capture_output=True, text=True)
    assert done.returncode == 1 and "Traceback" not in done.stderr
    assert done.stderr == f"district.py: {tmp_path / 'part-0000000.h5'}: Is a directory\n"
    assert sorted(os.listdir(tmp_path)) == ["part-0000000.h5", "part-0000002.h5",
                                            "part-0000004.h5"]
