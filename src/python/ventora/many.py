"""Many buildings per call: the wind sweep of a list of jobs as one
long-format pandas table, computed in C++ with the GIL released."""

import pandas as pd

from ._ventora import sweep_many

COLUMNS = ("building", "facade", "element", "x", "z", "direction", "cp")


def sweep_frame(jobs, step=10):
    """Sweeps `jobs` (Job objects or job file paths) over the wind directions
    0, step, ...; returns (cp, buildings): cp with one row per building,
    element and direction (columns building, facade, element, x, z,
    direction, cp; building is the index in `jobs`, cp NaN where a direction
    stopped), buildings with one row per job (error: '' when swept, else why
    it has no rows; elements; stopped directions)."""
    out = sweep_many(list(jobs), step)
    cp = pd.DataFrame({name: out[name] for name in COLUMNS}, copy=False)
    buildings = pd.DataFrame(out["buildings"])
    return cp, buildings
