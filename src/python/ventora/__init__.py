"""Wind pressure coefficients (Cp) on the facades and roof of a rectangular
building among other buildings: the Ventora engine, NumPy in and out.

    import ventora
    job = ventora.Job.read("examples/office-block.in")
    result = ventora.run(job)
    result.cp[1], result.averages, result.verdict, result.to_pandas()
"""

from ._ventora import (
    EXPORT_FORMATS,
    Comparison,
    Elements,
    ExportError,
    Facade,
    Job,
    JobFileError,
    JobFileWarning,
    Message,
    Result,
    RoofType,
    RunError,
    Sweep,
    Verdict,
    __version__,
    check,
    compare,
    cp,
    export,
    run,
    sweep,
    sweep_many,
)
from .surroundings import Footprints, footprints, surroundings
from .many import sweep_columns, sweep_frame
from .table_file import WordColumn, write_table

__all__ = [
    "EXPORT_FORMATS",
    "Comparison",
    "Elements",
    "ExportError",
    "Facade",
    "Footprints",
    "Job",
    "JobFileError",
    "JobFileWarning",
    "Message",
    "Result",
    "RoofType",
    "RunError",
    "Sweep",
    "Verdict",
    "WordColumn",
    "__version__",
    "check",
    "compare",
    "cp",
    "export",
    "footprints",
    "run",
    "surroundings",
    "sweep",
    "sweep_columns",
    "sweep_frame",
    "sweep_many",
    "write_table",
]
