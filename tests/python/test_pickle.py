"""Every result and error of ventora pickles whole, and comes back equal from
the worker processes of a Dask LocalCluster."""

import pickle
import sys

import cloudpickle
import numpy as np
import pandas as pd
import pytest

import ventora
from conftest import EXAMPLES

cloudpickle.register_pickle_by_value(sys.modules[__name__])  # the workers need not find us
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated")


def computed(name):
    """One of each kind of object ventora hands back, by kind."""
    job = ventora.Job.read(EXAMPLES / name)
    refused = job.copy()
    refused.PAD = 45
    out = {"result": ventora.run(job), "sweep": ventora.sweep(job, 45),
           "refused result": ventora.run(refused), "elements": job.elements,
           "message": ventora.check(refused)[0]}
    try:
        ventora.sweep(refused)
    except ventora.RunError as e:
        out["run error"] = e
    try:
        ventora.Job.read(EXAMPLES / "no such job.in")
    except ventora.JobFileError as e:
        out["job file error"] = e
    return out


def frames_equal(a, b):
    pd.testing.assert_frame_equal(a, b)
    assert a.attrs == b.attrs
    return True


def same(a, b):
    """Equal in everything a user can read from them."""
    assert type(a) is type(b)
    if isinstance(a, ventora.Result):
        return (a.verdict == b.verdict and a.job == b.job and a.name == b.name
                and a.averages == b.averages and a.messages == b.messages
                and repr(a) == repr(b) and frames_equal(a.to_pandas(), b.to_pandas()))
    if isinstance(a, ventora.Sweep):
        np.testing.assert_array_equal(a.cp, b.cp)
        return (a.job == b.job and a.job.path == b.job.path and a.messages == b.messages
                and a.failures == b.failures and frames_equal(a.to_pandas(), b.to_pandas()))
    if isinstance(a, ventora.Elements):
        return all(np.array_equal(a[f], b[f]) for f in a) and repr(a) == repr(b)
    if isinstance(a, (ventora.RunError, ventora.JobFileError)):
        return str(a) == str(b) and vars(a).keys() == vars(b).keys() and all(
            getattr(a, k) == getattr(b, k) for k in vars(a))
    return a == b and repr(a) == repr(b)


LOCAL = computed("low-house.in")


@pytest.mark.parametrize("kind", LOCAL)
def test_pickles_whole(kind):
    assert same(pickle.loads(pickle.dumps(LOCAL[kind])), LOCAL[kind])


def raises_run_error():
    job = ventora.Job.read(EXAMPLES / "low-house.in")
    job.PAD = 45
    return ventora.sweep(job)


def test_local_cluster_sends_results_and_errors_back():
    from distributed import Client, LocalCluster
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        futures = client.map(computed, ["low-house.in", "low-house.in"], pure=False)
        for remote in client.gather(futures):
            assert remote.keys() == LOCAL.keys()
            for kind in LOCAL:
                assert same(remote[kind], LOCAL[kind]), kind
        with pytest.raises(ventora.RunError) as caught:
            client.submit(raises_run_error).result()
    assert same(caught.value, LOCAL["run error"])
