#!/usr/bin/env python3
"""examples/district.py on a distributed.LocalCluster of one and of two
workers (one thread each): the wall time of each and the speed-up.

    PYTHONPATH=build/release/python /usr/bin/python3 bench/python/district_bench.py \\
        [--buildings 10000] [--openings 50] [--step 10]
"""

import argparse
import os
import shutil
import sys
import tempfile
import time

from distributed import LocalCluster

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "examples"))
import district  # noqa: E402


def timed(workers, args):
    out = tempfile.mkdtemp(prefix=f"district-{workers}-")
    try:
        with LocalCluster(n_workers=workers, threads_per_worker=1,
                          dashboard_address=None) as cluster:
            start = time.perf_counter()
            summary = district.run_district(args.buildings, out, openings=args.openings,
                                            step=args.step, workers=workers,
                                            scheduler=cluster.scheduler_address)
            wall = time.perf_counter() - start
    finally:
        shutil.rmtree(out)
    task_ms = summary.seconds.mean() * 1000
    print(f"{workers} worker(s): {wall:.1f} s for {len(summary)} buildings x {args.openings} "
          f"openings x {summary.directions.iloc[0]} directions ({task_ms:.1f} ms per task)")
    return wall


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--buildings", type=int, default=10000)
    parser.add_argument("--openings", type=int, default=50)
    parser.add_argument("--step", type=float, default=10)
    args = parser.parse_args()
    one = timed(1, args)
    two = timed(2, args)
    print(f"speed-up with 2 workers: {one / two:.2f}")


if __name__ == "__main__":
    main()
