#!/usr/bin/env python3
"""Cp for every opening of every building of a district, on Dask.

Each building (random size, orientation, roof and surroundings, openings on
its four walls and roof) is one task: a wind sweep with ventora, written to
one CSV per building (Parquet when pyarrow is installed). The tasks run as a
dask.bag: on this machine with the local process scheduler by default, on a
cluster when --scheduler names a running dask-scheduler. A summary of every
building goes to summary.csv.

    PYTHONPATH=build/dev/python /usr/bin/python3 examples/district.py \\
        --buildings 200 --out /tmp/district
    ... --scheduler tcp://HOST:8786   # the same on a cluster

On a cluster, --out must be a folder every worker can write to.
"""

import argparse
import os
import time

import dask.bag
import numpy as np
import pandas as pd

import ventora

WALLS_AND_ROOF = (1, 2, 3, 4, 5)  # the floor has no Cp


def make_building(seed, index, openings=50):
    """Building `index` of the district `seed`: the same job on every worker."""
    rng = np.random.default_rng([seed, index])
    height = rng.uniform(6, 40)
    roof = int(rng.integers(0, 3))
    job = ventora.Job(
        building_azimuth=rng.uniform(0, 360),
        plan_area_density=rng.uniform(0, 35),
        surroundings_height=height / rng.uniform(0.5, 3),
        height=height,
        length=height * rng.uniform(0.5, 3),
        width=height * rng.uniform(0.5, 2),
        profile_exponent=rng.uniform(0.10, 0.40),
        roof_type=roof,
        roof_tilt=0 if roof == 0 else rng.uniform(0, 45),
    )
    per_facade = np.array_split(np.arange(openings), len(WALLS_AND_ROOF))
    for facade, numbers in zip(WALLS_AND_ROOF, per_facade):
        across = job.width if facade in (2, 4) else job.length
        up = job.width if facade == 5 else job.height
        rel = rng.uniform([0.05, 0.1], [0.95, 0.9], size=(len(numbers), 2))
        job.elements[facade] = rel * [across, up]
    return job


def parquet_available():
    try:
        import pyarrow  # noqa: F401
    except ImportError:
        return False
    return True


def evaluate(task):
    """One building: its sweep written to a file; returns its summary row, the
    ventora.Sweep itself under "sweep" (it pickles, so it comes back from a
    worker process as it was computed)."""
    index, seed, openings, step, out = task
    start = time.perf_counter()
    job = make_building(seed, index, openings)
    sweep = ventora.sweep(job, step)
    table = pd.DataFrame({"facade": sweep.facade.astype(int), "element": sweep.number.astype(int),
                          "x": sweep.x, "z": sweep.z})
    cp = pd.DataFrame(sweep.cp, columns=[f"cp_{d:03.0f}" for d in sweep.directions])
    table = pd.concat([table, cp], axis=1)
    name = os.path.join(out, f"building-{index:05d}")
    if parquet_available():
        path = name + ".parquet"
        table.to_parquet(path)
    else:
        path = name + ".csv"
        table.to_csv(path, index=False, float_format="%.9g")
    return {"building": index, "file": os.path.basename(path), "azimuth": job.AzB,
            "pad": job.PAD, "height": job.Bdz, "elements": len(table),
            "directions": len(sweep.directions), "stopped": len(sweep.failures),
            "cp_min": np.nanmin(sweep.cp), "cp_mean": np.nanmean(sweep.cp),
            "cp_max": np.nanmax(sweep.cp), "seconds": time.perf_counter() - start,
            "sweep": sweep}


def run_district(buildings, out, *, seed=1, openings=50, step=10, scheduler=None,
                 workers=None):
    """Evaluates the district; returns the summary (one row per building, its
    ventora.Sweep in the column "sweep")."""
    os.makedirs(out, exist_ok=True)
    tasks = [(i, seed, openings, step, out) for i in range(buildings)]
    parts = max(1, min(buildings, 4 * (workers or os.cpu_count() or 1)))
    bag = dask.bag.from_sequence(tasks, npartitions=parts).map(evaluate)
    if scheduler:
        from distributed import Client
        with Client(scheduler) as client:
            rows = client.compute(bag).result()
    else:
        rows = bag.compute(scheduler="processes", num_workers=workers)
    summary = pd.DataFrame(rows).sort_values("building", ignore_index=True)
    summary.drop(columns="sweep").to_csv(os.path.join(out, "summary.csv"), index=False)
    return summary


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--buildings", type=int, default=100)
    parser.add_argument("--openings", type=int, default=50, help="per building (default 50)")
    parser.add_argument("--step", type=float, default=10, help="wind direction step, degrees")
    parser.add_argument("--seed", type=int, default=1, help="the district's random seed")
    parser.add_argument("--out", default="district-out", help="folder for the files")
    parser.add_argument("--scheduler", help="address of a dask-scheduler (tcp://HOST:8786)")
    parser.add_argument("--workers", type=int, help="local processes (default: every core)")
    args = parser.parse_args()
    start = time.perf_counter()
    summary = run_district(args.buildings, args.out, seed=args.seed, openings=args.openings,
                           step=args.step, scheduler=args.scheduler, workers=args.workers)
    wall = time.perf_counter() - start
    print(f"{len(summary)} buildings, {summary.elements.sum()} openings x "
          f"{summary.directions.iloc[0]} directions in {wall:.1f} s "
          f"({summary.seconds.mean() * 1000:.1f} ms per building task); "
          f"{summary.stopped.sum()} directions stopped; files and summary.csv in {args.out}")


if __name__ == "__main__":
    main()
