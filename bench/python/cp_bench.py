#!/usr/bin/env python3
"""ventora.cp over 10^6 points against the engine's own time per element
(cp_points_bench, the same points in C++), measured in the same run.

    cmake --build --preset release --target python_bench
    # or: PYTHONPATH=build/release/python /usr/bin/python3 bench/python/cp_bench.py \\
    #         build/release/bench/cp_points_bench
"""

import json
import os
import subprocess
import sys
import time

import numpy as np

import ventora

EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")
POINTS = 1_000_000
ROUNDS = 7


def points(n):
    """The same formula as cp_points_bench.cpp's points."""
    i = np.arange(n)
    return 1 + i % 5, (i % 1000 + 0.5) / 1000, (i // 1000 % 1000 + 0.5) / 1000


def python_ns_per_point(job, facade, x, z):
    start = time.perf_counter()
    ventora.cp(facade, x, z, job=job)
    return (time.perf_counter() - start) * 1e9 / POINTS


def engine_ns_per_element(binary):
    done = subprocess.run([binary, "--benchmark_format=json"], check=True, capture_output=True,
                          text=True)
    runs = [b for b in json.loads(done.stdout)["benchmarks"] if b.get("run_type") == "iteration"]
    return min(b["real_time"] for b in runs) * 1e6 / POINTS  # real_time in ms


def main():
    job = ventora.Job.read(os.path.join(EXAMPLES, "office-block.in"))
    facade, x, z = points(POINTS)
    # Turn about, so that both see the same load on a shared machine; the
    # best of each.
    rounds = [(python_ns_per_point(job, facade, x, z), engine_ns_per_element(sys.argv[1]))
              for _ in range(ROUNDS)]
    python_ns = min(r[0] for r in rounds)
    engine_ns = min(r[1] for r in rounds)
    print(f"ventora.cp over {POINTS:,} points: {python_ns:.1f} ns per point")
    print(f"engine (cp_points_bench):      {engine_ns:.1f} ns per element")
    print(f"ratio: {python_ns / engine_ns:.2f} (target: at most 1.3)")


if __name__ == "__main__":
    main()
