"""examples/district.py on 20 buildings: the local scheduler and a
distributed.LocalCluster of two workers write the same files."""

import filecmp
import os

import cloudpickle
import pandas as pd
import pytest

import district
import ventora

cloudpickle.register_pickle_by_value(district)  # the workers need not find the example
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated")


def check_district(out, summary):
    assert list(summary.building) == list(range(20))
    assert (summary.elements == 50).all() and (summary.directions == 36).all()
    assert summary.stopped.sum() == 0
    assert sorted(os.listdir(out)) == sorted([*summary.file, "summary.csv"])
    table = pd.read_csv(out / summary.file[3]) if summary.file[3].endswith(".csv") else \
        pd.read_parquet(out / summary.file[3])
    assert table.shape == (50, 4 + 36) and table.notna().all().all()


@pytest.fixture(scope="module")
def local(tmp_path_factory):
    out = tmp_path_factory.mktemp("local")
    summary = district.run_district(20, str(out), seed=3, workers=2)
    check_district(out, summary)
    return out, summary


def test_local_scheduler(local):
    out, summary = local
    assert summary.cp_min.min() < 0 < summary.cp_max.max()


def test_local_cluster_of_two_workers(local, tmp_path):
    from distributed import LocalCluster
    with LocalCluster(n_workers=2, threads_per_worker=1, dashboard_address=None) as cluster:
        summary = district.run_district(20, str(tmp_path), seed=3,
                                        scheduler=cluster.scheduler_address)
    check_district(tmp_path, summary)
    columns = ["file", "azimuth", "cp_min", "cp_mean", "cp_max"]
    pd.testing.assert_frame_equal(summary[columns], local[1][columns])
    # The sweeps themselves came back from the workers, equal to the local ones.
    for remote, here in zip(summary.sweep, local[1].sweep):
        assert isinstance(remote, ventora.Sweep) and remote.job == here.job
        pd.testing.assert_frame_equal(remote.to_pandas(), here.to_pandas())
    assert filecmp.cmpfiles(local[0], tmp_path, list(summary.file), shallow=False)[0] == \
        list(summary.file)
