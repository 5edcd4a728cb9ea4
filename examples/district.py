#!/usr/bin/env python3
"""Cp for every opening of every building of a district, on Dask.

Each building (random size, orientation, roof and surroundings, openings on
its four walls and roof) is swept over the wind directions by ventora. A task
takes a partition of buildings and sweeps them all in one call in C++
(ventora.sweep_frame, the GIL released), writing one file per partition in
long format (building, facade, element, x, z, direction, cp, status): HDF5
when PyTables is installed (pandas.read_hdf opens it in one call), else CSV. The
tasks run as a dask.bag: on this machine with the local process scheduler by
default, on a cluster when --scheduler names a running dask-scheduler. A
summary of every building goes to summary.csv; run_district() also returns
each building's rows of its partition's table (keep=False: only the files).

    PYTHONPATH=build/dev/python /usr/bin/python3 examples/district.py \\
        --buildings 200 --out /tmp/district
    ... --jobs-from LIST   # existing job files instead, one path a line
    ... --footprints FILE  # every building of a footprint file (district_footprints.py)
    ... --scheduler tcp://HOST:8786   # the same on a cluster

On a cluster, --out must be a folder every worker can write to.
"""

import argparse
import os
import time

import dask.bag
import numpy as np
import pandas as pd

import district_footprints
import ventora

WALLS_AND_ROOF = (1, 2, 3, 4, 5)  # the floor has no Cp
BUILDINGS_PER_PARTITION = 250  # about 0.15 s of sweeping for 50 openings each


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


def hdf5_available():
    try:
        import tables  # noqa: F401
    except ImportError:
        return False
    return True


def read_job_list(path):
    """The job file paths of LIST, one a line (blank lines and # comments
    skipped), relative ones taken from LIST's folder."""
    folder = os.path.dirname(os.path.abspath(path))
    with open(path, encoding="utf-8") as f:
        lines = [line.strip() for line in f]
    return [os.path.join(folder, line) for line in lines if line and not line.startswith("#")]


def write_partition(table, name):
    if hdf5_available():
        path = name + ".h5"
        table.to_hdf(path, key="cp", mode="w", format="fixed")
    else:
        path = name + ".csv"
        table.to_csv(path, index=False, float_format="%.9g")
    return path


def evaluate(task):
    """One partition of buildings: swept in one call, written to one file;
    returns a summary row per building, with (when `keep`) the building's own
    rows of the partition's table under "sweep": they pickle, so they come back
    from a worker process as they were computed."""
    first, count, seed, openings, step, out, paths, keep = task
    start = time.perf_counter()
    numbers = list(range(first, first + count))
    jobs = paths if paths else [make_building(seed, i, openings) for i in numbers]
    cp, buildings = ventora.sweep_frame(jobs, step)
    cp["building"] = np.asarray(numbers, dtype=np.int32)[cp["building"].to_numpy()]
    path = write_partition(cp, os.path.join(out, f"part-{first:07d}"))
    seconds = (time.perf_counter() - start) / max(count, 1)
    grouped = cp.groupby("building").cp
    low, mean, high = grouped.min(), grouped.mean(), grouped.max()
    rows = []
    for i, number in enumerate(numbers):
        row = {"building": number, "file": os.path.basename(path),
               "job": os.path.basename(paths[i]) if paths else "",
               "elements": int(buildings.elements[i]),
               "directions": len(np.arange(0, 360, step)),
               "stopped": int(buildings.stopped[i]), "error": buildings.error[i],
               "cp_min": low.get(number, np.nan), "cp_mean": mean.get(number, np.nan),
               "cp_max": high.get(number, np.nan), "seconds": seconds}
        if not paths:
            job = jobs[i]
            row.update(azimuth=job.AzB, pad=job.PAD, height=job.Bdz)
        if keep:
            row["sweep"] = cp[cp.building == number].reset_index(drop=True)
        rows.append(row)
    return rows


def partitions(total, per_partition):
    return [(first, min(per_partition, total - first))
            for first in range(0, total, per_partition)]


def run_district(buildings, out, *, seed=1, openings=50, step=10, scheduler=None,
                 workers=None, jobs_from=None, per_partition=BUILDINGS_PER_PARTITION,
                 keep=True):
    """Evaluates the district (generated, or the job files listed in
    `jobs_from`); returns the summary (one row per building; when `keep`, its
    Cp table, as in the partition's file, in the column "sweep")."""
    os.makedirs(out, exist_ok=True)
    paths = read_job_list(jobs_from) if jobs_from else None
    total = len(paths) if paths else buildings
    tasks = [(first, count, seed, openings, step, out,
              paths[first:first + count] if paths else None, keep)
             for first, count in partitions(total, per_partition)]
    bag = dask.bag.from_sequence(tasks, npartitions=max(1, len(tasks))).map(evaluate).flatten()
    if scheduler:
        from distributed import Client
        with Client(scheduler) as client:
            rows = client.compute(bag).result()
    else:
        rows = bag.compute(scheduler="processes", num_workers=workers)
    summary = pd.DataFrame(rows).sort_values("building", ignore_index=True)
    summary.drop(columns="sweep", errors="ignore").to_csv(os.path.join(out, "summary.csv"), index=False)
    return summary


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--buildings", type=int, default=100)
    parser.add_argument("--jobs-from", metavar="LIST",
                        help="sweep the job files listed in LIST (one path a line) instead")
    parser.add_argument("--openings", type=int, default=50, help="per building (default 50)")
    parser.add_argument("--step", type=float, default=10, help="wind direction step, degrees")
    parser.add_argument("--seed", type=int, default=1, help="the district's random seed")
    parser.add_argument("--per-partition", type=int, default=BUILDINGS_PER_PARTITION,
                        help=f"buildings per task and file (default {BUILDINGS_PER_PARTITION})")
    parser.add_argument("--out", default="district-out", help="folder for the files")
    parser.add_argument("--scheduler", help="address of a dask-scheduler (tcp://HOST:8786)")
    parser.add_argument("--workers", type=int, help="local processes (default: every core)")
    district_footprints.add_arguments(parser)
    args = parser.parse_args()
    start = time.perf_counter()
    if args.footprints:
        args.jobs_from = district_footprints.jobs_from_arguments(args)
    summary = run_district(args.buildings, args.out, seed=args.seed, openings=args.openings,
                           step=args.step, scheduler=args.scheduler, workers=args.workers,
                           jobs_from=args.jobs_from, per_partition=args.per_partition,
                           keep=False)
    wall = time.perf_counter() - start
    failed = (summary.error != "").sum()
    print(f"{len(summary)} buildings, {summary.elements.sum()} openings x "
          f"{summary.directions.iloc[0]} directions in {wall:.2f} s "
          f"({summary.seconds.mean() * 1000:.2f} ms per building); "
          f"{summary.stopped.sum()} directions stopped, {failed} buildings not swept; "
          f"files and summary.csv in {args.out}")


if __name__ == "__main__":
    main()
