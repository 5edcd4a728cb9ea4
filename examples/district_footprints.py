"""The buildings of a footprint file as the district's jobs.

Every building of the file (GeoJSON, CityJSON, OpenStreetMap PBF, Shapefile,
GeoPackage...: what ventora.Footprints reads) becomes a job file:

- its box is the smallest rectangle round its footprint on the ground, in any
  orientation: BdX its length (the longer side), BdY its width, AzB the
  true-north bearing of its long sides (facade 4, which is BdY long, faces
  AzB; facades 1 and 3 run along the length);
- its height Bdz is the data's (a `height`, `building:levels` x the storey
  height, a CityJSON `measuredHeight` or the height of its geometry); a
  building without one is skipped and counted, unless a default height is
  given;
- its PAD and SbH are its own surroundings, all round, from the same file
  with the building itself left out, seen from a point on its footprint;
  the radius is the guide's advice (5 x max(Bdz, SbH), at least 50 m) unless
  one is given. Where no neighbour has a height, SbH is the building's own;
- the roof is flat and VeEXP one value for the whole district (the data say
  nothing of roofs or of the terrain upwind);
- its openings are placed as the generated district places them.

The file is read and indexed once for all buildings. Beside the job files
(<out>/jobs/<id>.in) goes buildings.csv: one row per building of the file
with its box (and how much of it the footprint fills, and whether another
orientation gave a box of the same area), height, PAD, SbH, radius, job
file, and why it was skipped.
"""

import os
import re

import numpy as np

import ventora

WALLS_AND_ROOF = (1, 2, 3, 4, 5)
PROFILE_EXPONENT = 0.28  # towns and suburbs; see the guide's VeEXP table


def add_arguments(parser):
    """The options of --footprints, for district.py's command line."""
    group = parser.add_argument_group("jobs from a footprint file")
    group.add_argument("--footprints", metavar="FILE",
                       help="make every building of FILE a job (its box, height and "
                            "surroundings from the file)")
    group.add_argument("--crs", help="the reference system of FILE when it names none "
                                     "(e.g. EPSG:28992)")
    group.add_argument("--storey-height", type=float, default=3.0,
                       help="m per building:levels (default 3)")
    group.add_argument("--default-height", type=float,
                       help="m, for buildings without a height (default: skip them)")
    group.add_argument("--radius", type=float,
                       help="m, of the surroundings (default: 5 x max(Bdz, SbH), at least 50)")
    group.add_argument("--profile-exponent", type=float, default=PROFILE_EXPONENT,
                       help=f"VeEXP of every job (default {PROFILE_EXPONENT})")


def job_name(identifier, taken):
    """A file name from a building's id, unique among `taken`."""
    name = re.sub(r"[^A-Za-z0-9._-]+", "_", str(identifier)).strip("._") or "building"
    unique, n = name, 1
    while unique in taken:
        n += 1
        unique = f"{name}-{n}"
    taken.add(unique)
    return unique + ".in"


def place_openings(job, draws):
    """Puts len(draws) // 2 openings on the four walls and the roof of `job`,
    as evenly as they go (the first facades take one more), each from two
    uniform draws in [0, 1): 5-95 % across its facade and 10-90 % up. The
    generated district places its openings with this too."""
    rel = np.reshape(draws, (-1, 2)) * [0.9, 0.8] + [0.05, 0.1]
    per_facade, more = divmod(len(rel), len(WALLS_AND_ROOF))
    first = 0
    for i, facade in enumerate(WALLS_AND_ROOF):
        last = first + per_facade + (i < more)
        across = job.width if facade in (2, 4) else job.length
        up = job.width if facade == 5 else job.height
        job.elements[facade] = rel[first:last] * [across, up]
        first = last


def building_job(box, pad, sbh, height, profile_exponent):
    return ventora.Job(building_azimuth=box.azimuth, plan_area_density=pad,
                       surroundings_height=height if np.isnan(sbh) else sbh, height=height,
                       length=box.length, width=box.width, profile_exponent=profile_exponent,
                       roof_type=0, roof_tilt=0)


def footprint_jobs(path, out, *, crs=None, storey_height=3.0, default_height=None, radius=None,
                   profile_exponent=PROFILE_EXPONENT, openings=50, seed=1):
    """Writes a job file for every building of `path` into <out>/jobs and
    buildings.csv into `out`; returns (the job files' paths, the table of
    buildings.csv)."""
    import pandas as pd  # here, so that a district without footprints never loads it

    city = ventora.Footprints(path, crs=crs, storey_height=storey_height)
    boxes = city.buildings()
    around = city.building_surroundings(radius=radius, default_height=default_height)
    folder = os.path.join(out, "jobs")
    os.makedirs(folder, exist_ok=True)
    rows, paths, taken = [], [], set()
    for index, (box, near) in enumerate(zip(boxes.itertuples(index=False),
                                            around.to_dict("records"))):
        has_height = not np.isnan(box.height)
        height = box.height if has_height else default_height
        row = box._asdict()
        row["area_ratio"] = box.area / (box.length * box.width)
        row["tie"] = (f"the same area at {box.tie.replace(' ', ', ')} deg.: the box along the "
                      "outline's longest side is taken") if box.tie else ""
        row.update({"height_from": "data" if has_height else "" if height is None else "default",
                    "PAD (%)": near["PAD (%)"], "SbH (m)": near["SbH (m)"],
                    "sbh_from": "", "radius": near["radius"],
                    "neighbours": near["buildings counted"],
                    "without_height": near["buildings without a height"],
                    "notes": near["notes"], "job": "", "skipped": ""})
        rows.append(row)
        if height is None:
            row["skipped"] = "no height in the data"
            continue
        if near["error"]:
            row["skipped"] = f"no surroundings: {near['error']}"
            continue
        try:
            job = building_job(box, near["PAD (%)"], near["SbH (m)"], height, profile_exponent)
        except ValueError as e:  # a value the model does not take, e.g. PAD above 50 %
            row["skipped"] = f"outside the model: {e}"
            continue
        place_openings(job, np.random.default_rng([seed, index]).random(2 * openings))
        row.update({"PAD (%)": job.plan_area_density, "SbH (m)": job.surroundings_height,
                    "sbh_from": "own height" if np.isnan(near["SbH (m)"]) else "neighbours",
                    "job": job_name(box.id, taken)})
        paths.append(job.write(os.path.join(folder, row["job"])))
    table = pd.DataFrame(rows)
    table.to_csv(os.path.join(out, "buildings.csv"), index=False, float_format="%.9g")
    table.attrs["notes"] = city.notes  # outlines repaired, left out, heights refused...
    return paths, table


def jobs_from_arguments(args):
    """The job list of --footprints (written into --out), with a line on what
    became of the file's buildings."""
    if args.jobs_from:
        raise SystemExit("district.py: --footprints and --jobs-from both name the jobs: give one")
    try:
        paths, table = footprint_jobs(args.footprints, args.out, crs=args.crs,
                                      storey_height=args.storey_height,
                                      default_height=args.default_height, radius=args.radius,
                                      profile_exponent=args.profile_exponent,
                                      openings=args.openings, seed=args.seed)
    except ValueError as e:  # a file that cannot be used: the message names it
        raise SystemExit(f"district.py: {e}") from None
    for note in table.attrs["notes"]:
        print(f"district.py: note: {note}")
    listing = os.path.join(args.out, "jobs.txt")
    with open(listing, "w", encoding="utf-8") as f:
        f.write("".join(os.path.relpath(p, args.out) + "\n" for p in paths))
    print(f"{len(table)} buildings in {args.footprints}: {len(paths)} jobs in "
          f"{os.path.join(args.out, 'jobs')} (flat roofs, VeEXP {args.profile_exponent}); "
          + skipped_text(table, args.default_height) + "; see buildings.csv")
    return listing


def skipped_text(table, default_height):
    """What became of the buildings that have no job, counted by reason."""
    def count(prefix):
        return int(table.skipped.str.startswith(prefix).sum())
    if default_height is None:
        heights = f"{count('no height')} without a height skipped (--default-height H takes them)"
    else:
        heights = (f"{int((table.height_from == 'default').sum())} without a height took "
                   f"{default_height} m")
    return (f"{heights}, {count('outside the model')} outside the model's ranges "
            f"(PAD above 50 %...), {count('no surroundings')} without surroundings")
