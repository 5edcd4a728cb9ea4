#!/usr/bin/env python3
"""Cp for every opening of every building of a district, on Dask.

Each building (random size, orientation, roof and surroundings, openings on
its four walls and roof) is swept over the wind directions by ventora. A task
takes a partition of buildings and sweeps them all in one call in C++
(ventora.sweep_columns, the GIL released), writing one file per partition in
long format (building, facade, element, x, z, direction, cp, status): HDF5
when PyTables is installed (pandas.read_hdf opens it in one call), else CSV.
On this machine the tasks run in worker processes forked from this one
(nothing imported again; each worker has its own GIL, so making buildings
and writing files, the Python parts of a task, never wait for another
worker); on a Dask cluster when --scheduler names a running
dask-scheduler. A summary of every building goes to summary.csv;
run_district() also returns it as a DataFrame, with each building's rows of
its partition's table (keep=False: only the files).

    PYTHONPATH=build/dev/python /usr/bin/python3 examples/district.py \\
        --buildings 200 --out /tmp/district
    ... --jobs-from LIST   # existing job files instead, one path a line
    ... --footprints FILE  # every building of a footprint file (district_footprints.py)
    ... --scheduler tcp://HOST:8786   # the same on a cluster

On a cluster, --out must be a folder every worker can write to.
"""

import argparse
import contextlib
import csv
import io
import math
import os
import sys
import time

import numpy as np

import district_footprints
import ventora

TASKS_PER_WORKER = 4  # a worker slowed by other load holds up the end by a quarter task at most
MOST_PER_PARTITION = 1000  # on a cluster: about 0.4 s of work a task, few tasks to schedule
# On one machine tasks cost next to nothing to hand out, and smaller ones
# keep two workers equally busy when one core is slower than the other (as
# virtual ones often are) and their tables within the processors' caches.
MOST_PER_LOCAL_PARTITION = 250
SUMMARY = ("building", "file", "job", "elements", "directions", "stopped", "error", "cp_min",
           "cp_mean", "cp_max", "seconds")
GENERATED = ("azimuth", "pad", "height")  # summary columns of a generated building


def make_building(seed, index, openings=50):
    """Building `index` of the district `seed`: the same job on every worker.
    Its random numbers are drawn in one call: making a task's thousand
    buildings is the Python part of its work."""
    rng = np.random.default_rng([seed, index])
    u = rng.random(9 + 2 * openings)
    height = 6 + 34 * u[0]
    roof = int(3 * u[1])
    job = ventora.Job(
        building_azimuth=360 * u[2],
        plan_area_density=35 * u[3],
        surroundings_height=height / (0.5 + 2.5 * u[4]),
        height=height,
        length=height * (0.5 + 2.5 * u[5]),
        width=height * (0.5 + 1.5 * u[6]),
        profile_exponent=0.10 + 0.30 * u[7],
        roof_type=roof,
        roof_tilt=0 if roof == 0 else 45 * u[8],
    )
    district_footprints.place_openings(job, u[9:])
    return job


def read_job_list(path):
    """The job file paths of LIST, one a line (blank lines and # comments
    skipped), relative ones taken from LIST's folder."""
    folder = os.path.dirname(os.path.abspath(path))
    with open(path, encoding="utf-8") as f:
        lines = [line.strip() for line in f]
    return [os.path.join(folder, line) for line in lines if line and not line.startswith("#")]


def per_building(cp, rows):
    """Min, mean and max of each building's Cp (NaN where it has none): `cp`
    holds the buildings' rows one after the other, `rows` how many each."""
    low, high = np.full(len(rows), np.nan, np.float32), np.full(len(rows), np.nan, np.float32)
    mean = np.full(len(rows), np.nan)
    has = rows > 0
    if has.any():
        starts = np.concatenate(([0], np.cumsum(rows)[:-1]))[has]
        counted = np.add.reduceat(~np.isnan(cp), starts)
        with np.errstate(invalid="ignore", divide="ignore"):
            low[has] = np.fmin.reduceat(cp, starts)
            high[has] = np.fmax.reduceat(cp, starts)
            mean[has] = np.add.reduceat(np.nan_to_num(cp, nan=0.0), starts, dtype=np.float64) \
                / counted
    return low, mean, high


def evaluate(task):
    """One partition of buildings: swept in one call, written to one file;
    returns a summary row per building, with (when `keep`) the building's own
    rows of the partition's table as NumPy columns under "sweep", and those
    rows' lines of summary.csv (written here, beside the other workers)."""
    first, count, seed, openings, step, out, paths, keep = task
    start = time.perf_counter()
    numbers = np.arange(first, first + count, dtype=np.int32)
    jobs = paths if paths else [make_building(seed, int(i), openings) for i in numbers]
    cp, buildings = ventora.sweep_columns(jobs, step, coded_status=True)
    cp["building"] = numbers[cp["building"]]
    path = ventora.write_table(cp, os.path.join(out, f"part-{first:07d}"))
    seconds = (time.perf_counter() - start) / max(count, 1)
    rows = buildings["elements"].astype(np.int64) * buildings["directions"]
    low, mean, high = per_building(cp["cp"], rows)
    ends = np.cumsum(rows)
    summary = []
    for i, number in enumerate(numbers):
        row = {"building": int(number), "file": os.path.basename(path),
               "job": os.path.basename(paths[i]) if paths else "",
               "elements": int(buildings["elements"][i]),
               "directions": int(buildings["directions"][i]),
               "stopped": int(buildings["stopped"][i]), "error": buildings["error"][i],
               "cp_min": low[i], "cp_mean": mean[i], "cp_max": high[i], "seconds": seconds}
        if not paths:
            job = jobs[i]
            row.update(azimuth=job.AzB, pad=job.PAD, height=job.Bdz)
        if keep:
            rows_of = slice(ends[i] - rows[i], ends[i])
            row["sweep"] = {name: values[rows_of] for name, values in cp.items()}
        summary.append(row)
    return summary, summary_lines(summary, generated=not paths)


def partition_size(total, workers, most=MOST_PER_PARTITION):
    """Buildings per task: TASKS_PER_WORKER tasks a worker, at most `most`
    buildings a task."""
    return max(1, min(most, math.ceil(total / (TASKS_PER_WORKER * workers))))


def partitions(total, per_partition):
    return [(first, min(per_partition, total - first))
            for first in range(0, total, per_partition)]


def compute(make_tasks, scheduler, workers):
    """Runs evaluate on every task of make_tasks(workers to run them, most
    buildings a task); returns what each gave, in the tasks' order."""
    if scheduler:
        import dask  # dask.delayed, not dask.bag: the bag's import costs a third of a second more
        from distributed import Client
        with Client(scheduler) as client:
            threads = sum(client.nthreads().values())
            tasks = make_tasks(max(1, threads), MOST_PER_PARTITION)
            return client.gather(client.compute([dask.delayed(evaluate)(t) for t in tasks]))
    workers = workers or os.cpu_count() or 1
    with local_workers(workers) as pool:
        return list(pool.map(evaluate, make_tasks(workers, MOST_PER_LOCAL_PARTITION)))


@contextlib.contextmanager
def local_workers(count):
    """Worker processes forked from this one: nothing is imported again, and
    each has its own GIL, so making buildings and writing files, the Python
    parts of a task, never wait for another worker. On one machine the tasks
    need no scheduler: Dask's import and graph alone would take 0.2 to 0.3 s,
    a quarter of the time of 2,000 buildings on two cores."""
    import gc
    import multiprocessing
    from concurrent.futures import ProcessPoolExecutor

    # PyTables imported once, here: in each worker, the import's writes to
    # pages shared with this process would copy them too (0.1 s a worker).
    ventora.table_file.hdf5_available()
    # While the workers live, the collector leaves the objects they share
    # with this process alone, so it neither writes nor copies their pages.
    gc.freeze()
    try:
        with ProcessPoolExecutor(count, mp_context=multiprocessing.get_context("fork"),
                                 initializer=ventora.heap_in_huge_pages) as pool:
            yield pool
    finally:
        gc.unfreeze()


def sweep_district(buildings, out, *, seed=1, openings=50, step=10, scheduler=None,
                   workers=None, jobs_from=None, per_partition=None, keep=False):
    """Evaluates the district (generated, or the job files listed in
    `jobs_from`) into `out`; returns the summary rows (dicts, by building),
    also written to summary.csv. `workers`: processes on this machine (default:
    every core); `per_partition`: buildings a task (default: four tasks a
    worker, at most MOST_PER_LOCAL_PARTITION on this machine,
    MOST_PER_PARTITION on a cluster)."""
    os.makedirs(out, exist_ok=True)
    paths = read_job_list(jobs_from) if jobs_from else None
    total = len(paths) if paths else buildings

    def make_tasks(workers, most):
        size = per_partition or partition_size(total, workers, most)
        return [(first, count, seed, openings, step, out,
                 paths[first:first + count] if paths else None, keep)
                for first, count in partitions(total, size)]

    # The tasks come back in their order, which is the buildings'.
    done = compute(make_tasks, scheduler, workers)
    rows = [row for task_rows, _ in done for row in task_rows]
    write_summary([lines for _, lines in done], os.path.join(out, "summary.csv"),
                  generated=not paths)
    return rows


def summary_lines(rows, generated):
    """The lines of summary.csv for `rows`, NaN as an empty field."""
    names = SUMMARY + (GENERATED if generated else ())

    def text(value):
        if isinstance(value, (float, np.floating)):
            # str gives a float32 (the Cp) its shortest text, a float its repr.
            return "" if math.isnan(value) else str(value)
        return value

    lines = io.StringIO()
    csv.writer(lines).writerows([text(row[name]) for name in names] for row in rows)
    return lines.getvalue()


def write_summary(parts, path, generated):
    """summary.csv, replaced whole: its header, then the parts' lines."""
    temporary = path + ".partial"
    with open(temporary, "w", encoding="utf-8", newline="") as f:
        csv.writer(f).writerow(SUMMARY + (GENERATED if generated else ()))
        f.writelines(parts)
    os.replace(temporary, path)


def run_district(buildings, out, *, seed=1, openings=50, step=10, scheduler=None,
                 workers=None, jobs_from=None, per_partition=None, keep=True):
    """sweep_district's summary as a pandas DataFrame, one row per building;
    when `keep`, with the building's Cp table, as in its partition's file, in
    the column "sweep"."""
    import pandas as pd

    rows = sweep_district(buildings, out, seed=seed, openings=openings, step=step,
                          scheduler=scheduler, workers=workers, jobs_from=jobs_from,
                          per_partition=per_partition, keep=keep)
    summary = pd.DataFrame(rows)
    if keep:
        summary["sweep"] = [pd.DataFrame(row["sweep"], copy=False) for row in rows]
    return summary


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--buildings", type=int, default=100)
    parser.add_argument("--jobs-from", metavar="LIST",
                        help="sweep the job files listed in LIST (one path a line) instead")
    parser.add_argument("--openings", type=int, default=50, help="per building (default 50)")
    parser.add_argument("--step", type=float, default=10, help="wind direction step, degrees")
    parser.add_argument("--seed", type=int, default=1, help="the district's random seed")
    parser.add_argument("--per-partition", type=int,
                        help=f"buildings per task and file (default: {TASKS_PER_WORKER} tasks "
                             f"a worker, at most {MOST_PER_LOCAL_PARTITION} buildings here, "
                             f"{MOST_PER_PARTITION} on a cluster)")
    parser.add_argument("--out", default="district-out", help="folder for the files")
    parser.add_argument("--scheduler", help="address of a dask-scheduler (tcp://HOST:8786)")
    parser.add_argument("--workers", type=int,
                        help="local worker processes (default: every core)")
    district_footprints.add_arguments(parser)
    args = parser.parse_args()
    # Freed memory kept for the next task, in this process and the workers
    # forked from it (docs/scaling.md).
    ventora.keep_freed_memory()
    start = time.perf_counter()
    try:
        if args.footprints:
            args.jobs_from = district_footprints.jobs_from_arguments(args)
        rows = sweep_district(args.buildings, args.out, seed=args.seed, openings=args.openings,
                              step=args.step, scheduler=args.scheduler, workers=args.workers,
                              jobs_from=args.jobs_from, per_partition=args.per_partition)
    except OSError as e:  # the list, the folder or a file: the files written so far stay
        # A file replacing another names both: the one it was to replace is the user's.
        parser.exit(1, f"district.py: {e.filename2 or e.filename or args.out}: "
                       f"{e.strerror or e}\n")
    wall = time.perf_counter() - start
    failed = sum(1 for row in rows if row["error"])
    openings = sum(row["elements"] for row in rows)
    directions = rows[0]["directions"] if rows else 0
    task_seconds = sum(row["seconds"] for row in rows) / max(len(rows), 1)
    print(f"{len(rows)} buildings, {openings} openings x {directions} directions in "
          f"{wall:.2f} s ({task_seconds * 1000:.2f} ms per building in its task); "
          f"{sum(row['stopped'] for row in rows)} directions stopped, {failed} buildings not "
          f"swept; files and summary.csv in {args.out}")


if __name__ == "__main__":
    main()
    # Every file is written and closed. Python's own teardown is skipped: in
    # a process that forked workers, every page it touches again is copied,
    # 0.1 s of the parent's time on a 2-core machine for nothing a user keeps.
    sys.stdout.flush()
    sys.stderr.flush()
    os._exit(0)
