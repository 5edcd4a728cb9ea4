"""Type stubs of the module ventora (the extension ventora._ventora)."""

import enum
import os
from typing import Any, Iterable, Iterator, Literal, overload

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

class JobFileWarning(UserWarning):
    """A job file read with damaged_header="zeros": values its header lacked read as 0."""

class RunError(RuntimeError):
    """A job the pre-run checks refused, or whose every wind direction stopped."""
    messages: list[Message]

class ExportError(RuntimeError):
    """An export that could not be made: nothing computed, or the file not written."""

class ExportWarning(UserWarning):
    """What ventora-run says of the file it writes: confidence, stopped directions, Cp."""

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

_Number = float | int | np.floating | np.integer

class Job:
    def __init__(self, *, building_azimuth: _Number = ..., wind_direction: _Number = ...,
                 plan_area_density: _Number = ..., surroundings_height: _Number = ...,
                 height: _Number = ..., length: _Number = ..., width: _Number = ...,
                 profile_exponent: _Number = ..., roof_tilt: _Number = ...,
                 roof_type: RoofType | int = ..., elements: dict[int, _Values] = ...,
                 AzB: _Number = ..., AnWind: _Number = ..., PAD: _Number = ...,
                 SbH: _Number = ..., BdZ: _Number = ..., Bdz: _Number = ..., BdX: _Number = ...,
                 BdY: _Number = ..., VeEXP: _Number = ..., Phi: _Number = ...,
                 Islope: int = ...) -> None:
        """Any header value by its long or short name; TypeError for a value that is no
        number, ValueError for one outside the range the program's fields accept."""
    @staticmethod
    def read(path: _Path, *, damaged_header: Literal["zeros"] | None = None) -> Job: ...
    def write(self, path: _Path) -> str: ...
    @property
    def elements(self) -> Elements: ...
    @property
    def path(self) -> str | None: ...
    @property
    def name(self) -> str: ...
    def copy(self) -> Job: ...
    def parameters(self) -> dict[str, float | int]: ...
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
    BdZ: float
    Bdz: float
    BdX: float
    BdY: float
    VeEXP: float
    Phi: float
    Islope: int

class Message:
    """What the program would have shown in a box."""
    title: str
    text: str
    icon: str
    @property
    def element(self) -> tuple[int, int, float, float] | None: ...

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
    @property
    def name(self) -> str: ...
    def table(self) -> dict[str, np.ndarray]: ...
    def to_pandas(self) -> pandas.DataFrame: ...

class Sweep:
    @property
    def cp(self) -> _FloatArray: ...
    @property
    def cp_low(self) -> _FloatArray | None: ...
    @property
    def cp_high(self) -> _FloatArray | None: ...
    @property
    def directions(self) -> _FloatArray: ...
    @property
    def facade(self) -> npt.NDArray[np.int32]: ...
    @property
    def number(self) -> npt.NDArray[np.int32]: ...
    @property
    def x(self) -> _FloatArray: ...
    @property
    def z(self) -> _FloatArray: ...
    @property
    def status(self) -> np.ndarray: ...
    @property
    def failures(self) -> dict[float, str]: ...
    @property
    def job(self) -> Job: ...
    messages: list[Message]
    def to_pandas(self) -> pandas.DataFrame: ...

class Comparison:
    @property
    def facade(self) -> npt.NDArray[np.int32]: ...
    @property
    def wind_from(self) -> _FloatArray: ...
    @property
    def ventora(self) -> _FloatArray: ...
    @property
    def swami_chandra(self) -> _FloatArray: ...
    @property
    def aivc(self) -> _FloatArray: ...
    @property
    def en1991(self) -> _FloatArray: ...
    @property
    def exposure(self) -> str: ...
    @property
    def notes(self) -> list[str]: ...
    @property
    def stopped(self) -> list[str]: ...
    @property
    def job(self) -> Job: ...
    @property
    def messages(self) -> list[Message]: ...
    def to_pandas(self) -> pandas.DataFrame: ...

def compare(job: Job, step: int = 15) -> Comparison: ...
def keep_freed_memory() -> bool: ...
def heap_in_huge_pages(megabytes: int = 64) -> bool: ...
def run(job: Job, *, spread: bool = False) -> Result: ...
def check(job: Job) -> list[Message]: ...
def sweep(job: Job, step: float = 10, *, spread: bool = False) -> Sweep: ...
def sweep_many(jobs: Iterable[Job | _Path], step: float = 10) -> dict[str, Any]: ...
def sweep_frame(
    jobs: Iterable[Job | _Path], step: float = 10
) -> tuple[pandas.DataFrame, pandas.DataFrame]: ...
def sweep_columns(
    jobs: Iterable[Job | _Path], step: float = 10, *, coded_status: bool = False
) -> tuple[dict[str, np.ndarray | WordColumn], dict[str, Any]]: ...
class WordColumn:
    codes: np.ndarray
    words: npt.NDArray[np.object_]
    def __init__(self, codes: npt.ArrayLike, words: Iterable[str]) -> None: ...
    def __len__(self) -> int: ...
    def __getitem__(self, rows: Any) -> npt.NDArray[np.object_]: ...
    def __array__(self, dtype: npt.DTypeLike = None) -> np.ndarray: ...
def write_table(columns: dict[str, np.ndarray | WordColumn], stem: str,
                key: str = "cp") -> str: ...
def export(job: Job, *, format: str = "csv", path: _Path | None = None,
           step: float | None = None, boundary_layer: float | None = None,
           strict: bool = False) -> str: ...
@overload
def cp(facade: _Values, x_rel: _Values, z_rel: _Values, *, reason: Literal[True],
       job: Job | None = None, **values: _Values | None
       ) -> tuple[_FloatArray | float, npt.NDArray[np.object_] | str]: ...
@overload
def cp(facade: _Values, x_rel: _Values, z_rel: _Values, *, reason: Literal[False] = False,
       job: Job | None = None,
       building_azimuth: _Values | None = None, wind_direction: _Values | None = None,
       plan_area_density: _Values | None = None, surroundings_height: _Values | None = None,
       height: _Values | None = None, length: _Values | None = None,
       width: _Values | None = None, profile_exponent: _Values | None = None,
       roof_type: _Values | None = None, roof_tilt: _Values | None = None,
       AzB: _Values | None = None, AnWind: _Values | None = None, PAD: _Values | None = None,
       SbH: _Values | None = None, BdZ: _Values | None = None, Bdz: _Values | None = None,
       BdX: _Values | None = None, BdY: _Values | None = None, VeEXP: _Values | None = None,
       Islope: _Values | None = None, Phi: _Values | None = None) -> _FloatArray | float: ...
def surroundings(path: _Path, site: tuple[float, float], radius: float | None = None,
                 sectors: int = 1, crs: str | None = None, storey_height: float = 3.0,
                 default_height: float | None = None,
                 job: Job | _Path | None = None) -> pandas.DataFrame: ...
class Footprints:
    path: str
    def __init__(self, path: _Path, crs: str | None = None, storey_height: float = 3.0) -> None: ...
    def __len__(self) -> int: ...
    @property
    def notes(self) -> list[str]: ...
    def buildings(self) -> pandas.DataFrame: ...
    def building_surroundings(self, radius: float | None = None,
                              default_height: float | None = None) -> pandas.DataFrame: ...
    def surroundings(self, site: tuple[float, float], radius: float | None = None,
                     sectors: int = 1, default_height: float | None = None,
                     building_height: float | None = None) -> pandas.DataFrame: ...
def footprints(path: _Path, crs: str | None = None,
               storey_height: float = 3.0) -> pandas.DataFrame: ...
