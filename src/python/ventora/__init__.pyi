"""Type stubs of the module ventora (the extension ventora._ventora)."""

import enum
import os
from typing import Any, Iterable, Iterator

import numpy as np
import numpy.typing as npt
import pandas

__version__: str
EXPORT_FORMATS: list[str]

_Path = str | os.PathLike[str]
_Values = npt.ArrayLike
_FloatArray = npt.NDArray[np.float64]

class JobFileError(Exception):
    """A job file that cannot be read or written."""
    path: str
    line: int | None

class RunError(RuntimeError):
    """A job the pre-run checks refused."""
    messages: list[Message]

class RoofType(enum.IntEnum):
    FLAT = 0
    SINGLE_SLOPE = 1
    DOUBLE_SLOPE = 2

class Facade(enum.IntEnum):
    WALL1 = 1
    WALL2 = 2
    WALL3 = 3
    WALL4 = 4
    ROOF = 5
    FLOOR = 6

class Verdict(enum.Enum):
    COMPLETED = 0
    VALUES_MISSING = 1
    REFUSED = 2
    STOPPED = 3
    SYSTEM_ERROR = 4

class Elements:
    """The elements of facades 1..6: (n, 2) float64 arrays of x, z in metres."""
    def __getitem__(self, facade: int) -> _FloatArray: ...
    def __setitem__(self, facade: int, values: _Values) -> None: ...
    def __len__(self) -> int: ...
    def __iter__(self) -> Iterator[int]: ...
    def counts(self) -> list[int]: ...

class Job:
    def __init__(self, **values: object) -> None: ...
    @staticmethod
    def read(path: _Path) -> Job: ...
    def write(self, path: _Path) -> str: ...
    @property
    def elements(self) -> Elements: ...
    @property
    def path(self) -> str | None: ...
    @property
    def name(self) -> str: ...
    def copy(self) -> Job: ...
    building_azimuth: float
    """Building azimuth in degrees (0 to 360)."""
    wind_direction: float
    """Wind direction in degrees (0 to 360), where the wind comes from."""
    plan_area_density: float
    """Plan area density of the surroundings in % (0 to 50)."""
    surroundings_height: float
    """Height of the surrounding buildings in metres."""
    height: float
    """Height of the building in metres."""
    length: float
    """Length of the building in metres (walls 1 and 3)."""
    width: float
    """Width of the building in metres (walls 2 and 4)."""
    profile_exponent: float
    """Wind velocity profile exponent (0.10 to 0.45)."""
    roof_tilt: float
    """Roof tilt angle in degrees (0 to 50)."""
    roof_type: RoofType
    AzB: float
    AnWind: float
    PAD: float
    SbH: float
    Bdz: float
    BdX: float
    BdY: float
    VeEXP: float
    Phi: float
    Islope: int

class Message:
    title: str
    text: str
    icon: str

class Result:
    @property
    def verdict(self) -> Verdict: ...
    @property
    def cp(self) -> dict[int, _FloatArray]: ...
    @property
    def averages(self) -> dict[int, float]: ...
    @property
    def messages(self) -> list[Message]: ...
    @property
    def job(self) -> Job: ...
    def table(self) -> dict[str, np.ndarray]: ...
    def to_pandas(self) -> "pandas.DataFrame": ...  # noqa: F821

class Sweep:
    @property
    def cp(self) -> _FloatArray: ...
    @property
    def directions(self) -> _FloatArray: ...
    @property
    def facade(self) -> _FloatArray: ...
    @property
    def number(self) -> _FloatArray: ...
    @property
    def x(self) -> _FloatArray: ...
    @property
    def z(self) -> _FloatArray: ...
    @property
    def failures(self) -> dict[float, str]: ...
    messages: list[Message]

def run(job: Job) -> Result: ...
def check(job: Job) -> list[Message]: ...
def sweep(job: Job, step: float = 10) -> Sweep: ...
def sweep_many(jobs: Iterable[Job | _Path], step: float = 10) -> dict[str, Any]: ...
def sweep_frame(
    jobs: Iterable[Job | _Path], step: float = 10
) -> tuple[pandas.DataFrame, pandas.DataFrame]: ...
def export(job: Job, *, format: str = "csv", path: _Path | None = None,
           step: int | None = None) -> str: ...
def cp(facade: _Values, x_rel: _Values, z_rel: _Values, *, job: Job | None = None,
       building_azimuth: _Values | None = None, wind_direction: _Values | None = None,
       plan_area_density: _Values | None = None, surroundings_height: _Values | None = None,
       height: _Values | None = None, length: _Values | None = None,
       width: _Values | None = None, profile_exponent: _Values | None = None,
       roof_type: _Values | None = None, roof_tilt: _Values | None = None) -> _FloatArray | float: ...
