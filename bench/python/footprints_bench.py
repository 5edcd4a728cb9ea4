#!/usr/bin/env python3
"""Every building of a footprint file as a site, the file read once: the
time per building of ventora.Footprints (reading and indexing, the boxes,
every building's own surroundings in one call) against reading the file
again for each site as ventora.surroundings does, and of the district's
jobs (examples/district_footprints.py, job files written included).

    PYTHONPATH=build/release/python /usr/bin/python3 bench/python/footprints_bench.py \\
        tests/data/surroundings/helsinki-buildings.geojson tests/data/surroundings/delft.city.json
"""

import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "examples"))

import district_footprints  # noqa: E402
import ventora  # noqa: E402

AGAIN = 10  # sites read afresh, enough for the figure


def seconds(f):
    start = time.perf_counter()
    value = f()
    return time.perf_counter() - start, value


def bench(path):
    read, city = seconds(lambda: ventora.Footprints(path))
    boxing, boxes = seconds(city.buildings)
    around, _ = seconds(city.building_surroundings)
    fixed, _ = seconds(lambda: city.building_surroundings(radius=100))
    sites = list(zip(boxes.inside_x, boxes.inside_y))[:AGAIN]
    again, _ = seconds(lambda: [ventora.surroundings(path, s, radius=100) for s in sites])
    with tempfile.TemporaryDirectory() as out:
        jobs, (paths, _) = seconds(lambda: district_footprints.footprint_jobs(path, out))
    n = len(boxes)
    print(f"{os.path.basename(path)}: {n} buildings; reading {read * 1e3:.0f} ms, "
          f"boxes {boxing / n * 1e3:.3f} ms, surroundings {around / n * 1e3:.3f} ms "
          f"(radius advised) and {fixed / n * 1e3:.3f} ms (100 m) a building; "
          f"reading the file again for each: {again / len(sites) * 1e3:.0f} ms a site; "
          f"the district's {len(paths)} jobs {jobs / n * 1e3:.2f} ms a building; "
          f"load average {os.getloadavg()[0]:.1f}")


if __name__ == "__main__":
    for file in sys.argv[1:]:
        bench(file)
