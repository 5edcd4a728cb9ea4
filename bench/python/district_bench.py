#!/usr/bin/env python3
"""The district against the engine, side by side in one run on the same
buildings written as job files. Each repetition runs, in turn:

- ventora-run -j 1 pinned to each core in turn (how fast each core is
  alone: on a virtual machine they can differ by half);
- ventora-run -j 1 and -j 2 --sweep --format=csv --jobs-from LIST;
- examples/district.py --jobs-from LIST --workers 1 and 2, as a user runs it
  (a new Python process: its start, its imports and its files counted),
  and the time it gives its own run (from its arguments read to
  summary.csv written: what a caller of run_district in a started Python
  waits);
- the same district on a distributed.LocalCluster of one and of two worker
  processes (one thread each, as dask-worker starts them on a cluster, with
  the memory settings the README gives dask-worker unless --nanny-default;
  the cluster's start counted apart), and the scheduler's own rate on empty
  tasks.

Prints every figure with the load average and the CPU time it took, then
the medians and their ratios. Wall times on a machine that others load are
upper bounds: Linux shares the processors between sessions (autogroups), so
a second thread gains little while other sessions keep both cores busy; the
CPU times do not depend on that.

    PYTHONPATH=build/release/python /usr/bin/python3 bench/python/district_bench.py \\
        build/release/src/cli/ventora-run [--buildings 2000] [--repeat 3] [--folder DIR]

Every file goes to one folder (--folder). On a disk, what the commands write
is also written back by the system while they run: on a 2-core virtual
machine two single-threaded ventora-run processes writing their CSV files
side by side each took 30 to 45 % longer than alone, and on a tmpfs 3 %.
"""

import argparse
import glob
import os
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.join(HERE, "..", "..", "examples")
sys.path.insert(0, EXAMPLES)
import district  # noqa: E402

import cloudpickle  # noqa: E402

cloudpickle.register_pickle_by_value(district)  # the workers need not find the example

EMPTY_TASKS = 2000
# The commands run in the environment the benchmark started with: a
# LocalCluster's nannies set theirs (MALLOC_TRIM_THRESHOLD_, OMP_NUM_THREADS,
# ...) in this process's environment before starting their workers, and
# every later command would inherit it.
ENVIRONMENT = dict(os.environ)


def load():
    return os.getloadavg()[0]


def write_jobs(folder, buildings, openings):
    paths = [district.make_building(1, i, openings).write(os.path.join(folder, f"b{i:06d}.in"))
             for i in range(buildings)]
    listing = os.path.join(folder, "jobs.txt")
    with open(listing, "w", encoding="utf-8") as f:
        f.write("\n".join(paths) + "\n")
    return listing


def timed_process(command, core=None):
    """Wall time, CPU time (user + system), peak memory (MB) and standard
    output of a command (on one core only when `core` is given)."""
    pin = (lambda: os.sched_setaffinity(0, {core})) if core is not None else None
    # Its output goes to files: a pipe nobody reads while it runs fills up.
    with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
        start = time.perf_counter()
        process = subprocess.Popen(command, stdout=output, stderr=errors,
                                   env=ENVIRONMENT, preexec_fn=pin)
        _, status, usage = os.wait4(process.pid, 0)
        wall = time.perf_counter() - start
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode != 0:
            errors.seek(0)
            sys.exit(f"{command[0]} failed ({process.returncode}): "
                     f"{errors.read().decode(errors='replace')[-800:]}")
        output.seek(0)
        printed = output.read().decode(errors="replace")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024, printed


class Figures:
    """Each measured figure: its values, the load average with each."""

    def __init__(self):
        self.values, self.loads = {}, {}

    def add(self, name, value, load_now, note=""):
        self.values.setdefault(name, []).append(value)
        self.loads.setdefault(name, []).append(load_now)
        print(f"  {name}: {value:.3f}{note} (load {load_now:.1f})", flush=True)

    def median(self, name):
        return statistics.median(self.values[name])

    def loads_of(self, name):
        return ", ".join(f"{x:.1f}" for x in self.loads[name])


def engine(figures, binary, listing, workers, step, core=None):
    wall, cpu, _, _ = timed_process([binary, "-j", str(workers), f"--sweep={step:g}",
                                  "--format=csv", "--jobs-from", listing], core)
    for csv in glob.glob(os.path.join(os.path.dirname(listing), "*.sweep.csv")):
        os.unlink(csv)
    if core is not None:
        figures.add(f"engine -j 1 on core {core} alone, s", wall, load())
        return
    figures.add(f"engine -j {workers}, s", wall, load(), f", CPU {cpu:.2f} s")
    figures.add(f"engine -j {workers}, CPU s", cpu, load())


def command_line(figures, listing, workers, step):
    out = tempfile.mkdtemp(prefix=f"district-cli-{workers}-", dir=os.path.dirname(listing))
    try:
        wall, cpu, peak, printed = timed_process([
            sys.executable, os.path.join(EXAMPLES, "district.py"), "--jobs-from", listing,
            "--workers", str(workers), f"--step={step:g}", "--out", out])
        # The time the command line gives itself: from its arguments read to
        # summary.csv written, Python's start and imports before it.
        own = float(re.search(r" in ([0-9.]+) s \(", printed).group(1))
        in_task = task_seconds(os.path.join(out, "summary.csv"))
    finally:
        shutil.rmtree(out)
    figures.add(f"district.py --workers {workers}, s", wall, load(),
                f", CPU {cpu:.2f} s, peak {peak:.0f} MB, {in_task * 1000:.2f} ms a building "
                f"in its task")
    figures.add(f"district.py --workers {workers}, CPU s", cpu, load())
    figures.add(f"district.py --workers {workers}, its own run s", own, load())
    figures.add(f"district.py --workers {workers}, peak MB", peak, load())
    figures.add(f"district.py --workers {workers}, ms a building in its task", in_task * 1000,
                load())


def task_seconds(summary):
    import csv
    with open(summary, encoding="utf-8") as f:
        seconds = [float(row["seconds"]) for row in csv.DictReader(f)]
    return statistics.fmean(seconds)


def peak_rss_mb():
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024


def nothing(i):
    return i


# What the README has dask-worker started with for this work: glibc keeps
# freed blocks up to 32 MB for the next partition. Dask's nanny gives its
# workers MALLOC_TRIM_THRESHOLD_=65536 instead (--nanny-default).
KEEP_FREED_BLOCKS = {"MALLOC_TRIM_THRESHOLD_": "134217728", "MALLOC_MMAP_THRESHOLD_": "33554432"}


def worker_environment(args):
    import dask

    environment = dict(dask.config.get("distributed.nanny.pre-spawn-environ"))
    if not args.nanny_default:
        environment.update(KEEP_FREED_BLOCKS)
    return environment


def local_cluster(figures, listing, workers, args):
    import dask
    from distributed import Client, LocalCluster
    out = tempfile.mkdtemp(prefix=f"district-cluster-{workers}-", dir=os.path.dirname(listing))
    try:
        start = time.perf_counter()
        with dask.config.set({"distributed.nanny.pre-spawn-environ": worker_environment(args)}), \
                LocalCluster(n_workers=workers, threads_per_worker=1, dashboard_address=":0",
                             processes=True) as cluster, Client(cluster) as client:
            started = time.perf_counter() - start
            start = time.perf_counter()
            rows = district.sweep_district(0, out, step=args.step, jobs_from=listing,
                                           scheduler=cluster.scheduler_address)
            wall = time.perf_counter() - start
            peaks = client.run(peak_rss_mb)
            start = time.perf_counter()
            client.gather(client.map(nothing, range(EMPTY_TASKS), pure=False))
            empty_rate = EMPTY_TASKS / (time.perf_counter() - start)
    finally:
        shutil.rmtree(out)
    tasks = len({row["file"] for row in rows})
    in_task = statistics.fmean(row["seconds"] for row in rows)
    name = f"LocalCluster {workers} worker(s)"
    figures.add(f"{name}, s", wall, load(),
                f" for {tasks} tasks ({tasks / wall:.1f} tasks/s), {in_task * 1000:.2f} ms a "
                f"building in its task, worker peak {max(peaks.values()):.0f} MB; start "
                f"{started:.2f} s; {empty_rate:.0f} empty tasks/s")
    figures.add(f"{name}, start s", started, load())
    figures.add(f"{name}, tasks/s", tasks / wall, load())
    figures.add(f"{name}, worker peak MB", max(peaks.values()), load())
    figures.add(f"{name}, ms a building in its task", in_task * 1000, load())
    figures.add(f"{name}, empty tasks/s of the scheduler", empty_rate, load())


def report(figures, args):
    print(f"\nmedians of {args.repeat} (load averages of the repetitions in brackets):")
    for name in figures.values:
        print(f"  {name}: {figures.median(name):.3f}  [{figures.loads_of(name)}]")
    m = figures.median
    print("ratios of the medians:")
    for workers in (1, 2):
        engine_wall = m(f"engine -j {workers}, s")
        print(f"  district.py --workers {workers} / ventora-run -j {workers}: "
              f"{m(f'district.py --workers {workers}, s') / engine_wall:.2f} wall, "
              f"{m(f'district.py --workers {workers}, CPU s') / m(f'engine -j {workers}, CPU s'):.2f}"
              f" CPU; LocalCluster {workers} / -j {workers}: "
              f"{m(f'LocalCluster {workers} worker(s), s') / engine_wall:.2f} wall")
    own_ratio = m("district.py --workers 1, its own run s") / m(
        "district.py --workers 2, its own run s")
    print(f"  two workers against one: district.py "
          f"{m('district.py --workers 1, s') / m('district.py --workers 2, s'):.2f} times as "
          f"fast, LocalCluster "
          f"{m('LocalCluster 1 worker(s), s') / m('LocalCluster 2 worker(s), s'):.2f}, "
          f"ventora-run {m('engine -j 1, s') / m('engine -j 2, s'):.2f}; district.py's own "
          f"run (Python started, imports done) {own_ratio:.2f}")
    # Virtual processors need not be equal: a core shared with another
    # machine's work runs the same sweep slower, and two workers then gain
    # less than twice whatever they run.
    cores = sorted(os.sched_getaffinity(0))
    alone = [m(f"engine -j 1 on core {core} alone, s") for core in cores]
    print(f"  the cores alone (ventora-run -j 1 pinned): "
          f"{', '.join(f'{t:.2f} s' for t in alone)}; all of them together can be at most "
          f"{sum(min(alone) / t for t in alone):.2f} times as fast as the fastest")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("ventora_run", help="the ventora-run to compare with")
    parser.add_argument("--buildings", type=int, default=2000)
    parser.add_argument("--openings", type=int, default=50)
    parser.add_argument("--step", type=float, default=10)
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--nanny-default", action="store_true",
                        help="start the LocalCluster's workers with Dask's own memory settings, "
                             "not those the README gives dask-worker")
    parser.add_argument("--folder", help="where the job files and every output go (default: the "
                        "system's temporary folder); a tmpfs such as /dev/shm leaves the disk out")
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="district-jobs-", dir=args.folder)
    figures = Figures()
    try:
        listing = write_jobs(folder, args.buildings, args.openings)
        print(f"{args.buildings} buildings x {args.openings} openings, step {args.step:g}; "
              f"{os.cpu_count()} cores")
        for repetition in range(args.repeat):
            print(f"repetition {repetition + 1}:", flush=True)
            for core in sorted(os.sched_getaffinity(0)):
                engine(figures, args.ventora_run, listing, 1, args.step, core)
            for workers in (1, 2):
                engine(figures, args.ventora_run, listing, workers, args.step)
                command_line(figures, listing, workers, args.step)
                local_cluster(figures, listing, workers, args)
    finally:
        shutil.rmtree(folder)
    report(figures, args)


if __name__ == "__main__":
    main()
