"""PAD and SbH from building footprints (GeoJSON, CityJSON, and what GDAL
reads): all round and per wind sector, as `ventora-run --surroundings`;
and the buildings of a footprint file as boxes a job can describe."""

import importlib
import os

COLUMNS = ["sector from (deg)", "sector to (deg)", "PAD (%)", "SbH (m)",
           "buildings counted", "buildings without a height"]


BUILDING_COLUMNS = ["id", "x", "y", "length", "width", "azimuth", "height", "inside_x",
                    "inside_y", "area", "tie"]


def _site():
    # Imported at the first use: the map libraries it loads would double the
    # time of every `import ventora`.
    return importlib.import_module("._site", __package__)


def _frame(rows, used, notes):
    import pandas

    frame = pandas.DataFrame([list(r) for r in rows], columns=COLUMNS)
    frame["SbH (m)"] = frame["SbH (m)"].astype(float)
    frame.attrs["radius"] = used
    frame.attrs["notes"] = list(notes)
    return frame


class Footprints:
    """A footprint file read and indexed once, for many sites of it.

        city = ventora.Footprints("helsinki.geojson")
        boxes = city.buildings()
        frame = city.surroundings((boxes.inside_x[0], boxes.inside_y[0]), radius=100)

    A file that cannot be used raises ValueError naming the file. It
    pickles with its outlines read and repaired, so that Dask workers take
    it as it is, without the file."""

    def __init__(self, path, crs=None, storey_height=3.0):
        self.path = os.fspath(path)
        self._set = _site()._FootprintSet(self.path, crs, storey_height)

    def __len__(self):
        return len(self._set)

    @property
    def notes(self):
        """What reading the file left to say (buildings repaired, objects left out)."""
        return list(self._set.notes)

    def buildings(self):
        """One row per building (building parts are not buildings of their
        own): id (the data's, else "#N", the feature's place); x, y, the
        centre of the smallest rectangle round the footprint, in the file's
        coordinates; length and width of that rectangle (m, length the
        longer); azimuth, the true-north bearing of its long sides (degrees,
        0 to 180): a job's AzB with BdX the length; height (m, NaN when the
        data give none); inside_x, inside_y, a point on the footprint (its
        surroundings' site: a centroid can fall outside an L or a U);
        area, the footprint's (m²); tie, "" or the azimuths (space apart)
        of rectangles of the same area in other orientations, when the
        smallest is a tie: the one along the outline's longest side is
        taken."""
        import pandas

        frame = pandas.DataFrame(self._set.buildings(), columns=BUILDING_COLUMNS)
        frame["height"] = frame["height"].astype(float)
        return frame

    def building_surroundings(self, radius=None, default_height=None):
        """Every building's own surroundings, all round, in one call: one row
        per row of buildings(), seen from its inner point with the building
        left out. Columns "PAD (%)", "SbH (m)" (NaN where no neighbour has a
        height), "radius" (m; without `radius`, the advice from the
        building's height, or `default_height` where the data give none),
        "buildings counted", "buildings without a height", "notes" (on the
        site: data that end inside its circle, ...) and "error" ("" when
        computed; "no height in the data" for a building without one and
        neither `radius` nor `default_height`)."""
        import pandas

        frame = pandas.DataFrame(self._set.building_surroundings(radius, default_height))
        for column in ("PAD (%)", "SbH (m)", "radius"):
            frame[column] = frame[column].astype(float)
        return frame

    def surroundings(self, site, radius=None, sectors=1, default_height=None,
                     building_height=None):
        """As ventora.surroundings, from the loaded file; without `radius`,
        `building_height` (Bdz, m) sets it as a job's would."""
        if radius is None and building_height is None:
            raise ValueError("surroundings: give radius=R (m), or building_height whose advice "
                             "it follows from")
        return _frame(*self._set.surroundings(site, radius, building_height, sectors,
                                              default_height))


def footprints(path, crs=None, storey_height=3.0):
    """The buildings of a footprint file, one row each: see
    Footprints.buildings."""
    return Footprints(path, crs, storey_height).buildings()


def surroundings(path, site, radius=None, sectors=1, crs=None, storey_height=3.0,
                 default_height=None, job=None):
    """The surroundings of `site` (x, y in the file's coordinates: lon, lat
    for GeoJSON) as a pandas DataFrame: one row for all directions, then one
    per sector when `sectors` > 1, with the columns of ventora-run's CSV.
    SbH is NaN where no building has a height.

    `radius` in metres; when None, `job` must be given and the radius is
    5 x max(Bdz, SbH), at least 50 m. `job` is a ventora.Job, which takes the
    all-round PAD and SbH (its SbH is kept when no building has a height),
    or a job file's path, read for its building's height (the file is not
    changed). Each value is checked as ventora-run checks its option: a
    TypeError for one of the wrong kind, a ValueError naming the argument
    and its range.
    The DataFrame's attrs hold "radius" (m, as used) and "notes" (data that
    end inside the circle, repaired outlines, ...). A file or site that
    cannot be used raises ValueError naming the file."""
    if radius is None and job is None:
        raise ValueError("surroundings: give radius=R (m), or a job whose building height it "
                         "follows from")
    from . import Job

    if isinstance(job, (str, bytes, os.PathLike)):
        job = Job.read(job)
    elif job is not None and not isinstance(job, Job):
        raise TypeError(f"job must be a ventora.Job or a job file's path, not {job!r}")
    rows, used, notes = _site()._surroundings(
        os.fspath(path), site, radius, job.height if job is not None else None, sectors, crs,
        storey_height, default_height)
    frame = _frame(rows, used, notes)
    if job is not None:
        job.plan_area_density = rows[0][2]
        if rows[0][3] is not None:
            job.surroundings_height = rows[0][3]
    return frame
