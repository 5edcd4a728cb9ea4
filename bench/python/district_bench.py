#!/usr/bin/env python3
"""The district against the engine, side by side in one run on the same
buildings written as job files: ventora-run -j N --sweep --format=csv
--jobs-from LIST, then examples/district.py --jobs-from LIST on a
distributed.LocalCluster of one and of two workers (one thread each). Prints
each wall time with the load average, the ratios, and the scheduler's tasks
per second.

    PYTHONPATH=build/release/python /usr/bin/python3 bench/python/district_bench.py \\
        build/release/src/cli/ventora-run [--buildings 2000] [--per-partition 250]
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from distributed import LocalCluster

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "examples"))
import district  # noqa: E402


def load():
    return "load %.1f" % os.getloadavg()[0]


def write_jobs(folder, buildings, openings):
    paths = [district.make_building(1, i, openings).write(os.path.join(folder, f"b{i:06d}.in"))
             for i in range(buildings)]
    listing = os.path.join(folder, "jobs.txt")
    with open(listing, "w", encoding="utf-8") as f:
        f.write("\n".join(paths) + "\n")
    return listing


def engine(binary, listing, workers, step):
    start = time.perf_counter()
    done = subprocess.run([binary, "-j", str(workers), f"--sweep={step:g}", "--format=csv",
                           "--jobs-from", listing], capture_output=True, text=True)
    wall = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit(f"ventora-run failed ({done.returncode}): {done.stderr[-500:]}")
    print(f"ventora-run -j {workers}: {wall:.2f} s ({load()})")
    return wall


def dask_district(listing, workers, args):
    out = tempfile.mkdtemp(prefix=f"district-{workers}-")
    try:
        with LocalCluster(n_workers=workers, threads_per_worker=1,
                          dashboard_address=None) as cluster:
            start = time.perf_counter()
            summary = district.run_district(0, out, step=args.step, jobs_from=listing,
                                            per_partition=args.per_partition,
                                            scheduler=cluster.scheduler_address)
            wall = time.perf_counter() - start
    finally:
        shutil.rmtree(out)
    tasks = len(set(summary.file))
    print(f"district, {workers} worker(s): {wall:.2f} s for {len(summary)} buildings in {tasks} "
          f"tasks ({tasks / wall:.1f} tasks/s, {summary.seconds.mean() * 1000:.2f} ms per "
          f"building in its task; {load()})")
    return wall


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("ventora_run", help="the ventora-run to compare with")
    parser.add_argument("--buildings", type=int, default=2000)
    parser.add_argument("--openings", type=int, default=50)
    parser.add_argument("--step", type=float, default=10)
    parser.add_argument("--per-partition", type=int, default=district.BUILDINGS_PER_PARTITION)
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="district-jobs-")
    try:
        listing = write_jobs(folder, args.buildings, args.openings)
        print(f"{args.buildings} buildings x {args.openings} openings, step {args.step:g}, "
              f"{args.per_partition} per partition; {os.cpu_count()} cores")
        engine1 = engine(args.ventora_run, listing, 1, args.step)
        engine2 = engine(args.ventora_run, listing, 2, args.step)
        one = dask_district(listing, 1, args)
        two = dask_district(listing, 2, args)
    finally:
        shutil.rmtree(folder)
    print(f"district 2 workers / ventora-run -j 2: {two / engine2:.2f}; "
          f"1 worker / -j 1: {one / engine1:.2f}; speed-up with 2 workers: {one / two:.2f}")


if __name__ == "__main__":
    main()
