"""Many buildings per call: the wind sweep of a list of jobs as one
long-format pandas table, computed in C++ with the GIL released."""

import numpy as np
import pandas as pd

from ._ventora import sweep_many

COLUMNS = ("building", "facade", "element", "x", "z", "direction", "cp", "status")


def sweep_frame(jobs, step=10):
    """Sweeps `jobs` (Job objects or job file paths) over the wind directions
    0, step, ...; returns (cp, buildings): cp with one row per building,
    element and direction (columns building, facade, element, x, z,
    direction, cp, status; building is the index in `jobs`, cp NaN where a
    direction stopped, status the word of ventora.sweep's Sweep.status), buildings with one row per job (error: '' when swept, else why
    it has no rows; elements; stopped directions)."""
    out = sweep_many(list(jobs), step)
    columns = {name: out[name] for name in COLUMNS if name != "status"}
    columns["status"] = np.array(out["status_words"], dtype=object)[out["status"]]
    cp = pd.DataFrame(columns, copy=False)
    buildings = pd.DataFrame(out["buildings"])
    return cp, buildings
