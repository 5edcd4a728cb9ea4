"""Many buildings per call: the wind sweep of a list of jobs as one
long-format table, computed in C++ with the GIL released."""

import os

import numpy as np

from ._ventora import Job
from ._ventora import sweep_many as _sweep_many
from .plain_errors import plain
from .table_file import WordColumn

sweep_many = plain(_sweep_many, "sweep_many")

COLUMNS = ("building", "facade", "element", "x", "z", "direction", "cp", "status")


def sweep_columns(jobs, step=10, *, coded_status=False):
    """The table of sweep_frame as NumPy columns, without pandas: returns
    (cp, buildings), two dicts of 1-D arrays; cp's "status" holds the words
    (an object array; with coded_status a WordColumn, which write_table
    writes without a reference per row), buildings' "error" a list of str."""
    if isinstance(jobs, (str, bytes, os.PathLike)):
        raise TypeError(f"jobs must be a list of ventora.Job objects or job file paths, not one "
                        f"path: {jobs!r}")
    jobs = list(jobs)
    out = sweep_many(jobs, step)
    cp = {name: out[name] for name in COLUMNS if name != "status"}
    status = WordColumn(out["status"], out["status_words"])
    cp["status"] = status if coded_status else np.asarray(status)
    buildings = out["buildings"]
    buildings["job"] = [(j.path or "") if isinstance(j, Job) else os.fspath(j) for j in jobs]
    return cp, buildings


def sweep_frame(jobs, step=10):
    """Sweeps `jobs` (Job objects or job file paths) over the wind directions
    0, step, ...; returns (cp, buildings): cp with one row per building,
    element and direction (columns building, facade, element, x, z,
    direction, cp, status; building is the index in `jobs`, cp NaN where a
    direction stopped, status the word of ventora.sweep's Sweep.status),
    buildings with one row per job (error: '' when swept, else why it has no
    rows; elements; stopped directions; job, the job's file: its path, or
    the file a Job object was read from, '' for one built in Python)."""
    # Imported here, not with the package: pandas takes as long to import as
    # sweeping about a thousand buildings, which sweep_columns spares.
    import pandas as pd

    cp, buildings = sweep_columns(jobs, step)
    return pd.DataFrame(cp, copy=False), pd.DataFrame(buildings)
