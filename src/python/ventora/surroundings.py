"""PAD and SbH from building footprints (GeoJSON, CityJSON, and what GDAL
reads): all round and per wind sector, as `ventora-run --surroundings`."""

from ._ventora import _surroundings

COLUMNS = ["sector from (deg)", "sector to (deg)", "PAD (%)", "SbH (m)",
           "buildings counted", "buildings without a height"]


def surroundings(path, site, radius=None, sectors=1, crs=None, storey_height=3.0,
                 default_height=None, job=None):
    """The surroundings of `site` (x, y in the file's coordinates: lon, lat
    for GeoJSON) as a pandas DataFrame: one row for all directions, then one
    per sector when `sectors` > 1, with the columns of ventora-run's CSV.
    SbH is NaN where no building has a height.

    `radius` in metres; when None, `job` must be given and the radius is
    5 x max(Bdz, SbH), at least 50 m. With `job`, the job takes the all-round
    PAD and SbH (its SbH is kept when no building has a height).
    The DataFrame's attrs hold "radius" (m, as used) and "notes" (data that
    end inside the circle, repaired outlines, ...). A file or site that
    cannot be used raises ValueError naming the file."""
    import pandas

    if radius is None and job is None:
        raise ValueError("surroundings: give radius=R (m), or a job whose building height it "
                         "follows from")
    rows, used, notes = _surroundings(
        str(path), float(site[0]), float(site[1]), radius,
        float(job.height) if job is not None else 0.0, int(sectors), crs or "",
        float(storey_height), default_height)
    frame = pandas.DataFrame([list(r) for r in rows], columns=COLUMNS)
    frame["SbH (m)"] = frame["SbH (m)"].astype(float)
    frame.attrs["radius"] = used
    frame.attrs["notes"] = list(notes)
    if job is not None:
        job.plan_area_density = rows[0][2]
        if rows[0][3] is not None:
            job.surroundings_height = rows[0][3]
    return frame
