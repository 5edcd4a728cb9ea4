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
    ExportWarning,
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
    heap_in_huge_pages,
    keep_freed_memory,
    run,
    sweep,
)
from .plain_errors import plain
from .surroundings import Footprints, footprints, surroundings
from .many import sweep_columns, sweep_frame, sweep_many
from .table_file import WordColumn, write_table

run, check, sweep, export, compare = (plain(f, f.__name__)
                                       for f in (run, check, sweep, export, compare))
Job.read = staticmethod(plain(Job.read, "Job.read"))
Job.write = plain(Job.write, "Job.write")

__all__ = [
    "EXPORT_FORMATS",
    "Comparison",
    "Elements",
    "ExportError",
    "ExportWarning",
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
    "heap_in_huge_pages",
    "keep_freed_memory",
    "run",
    "surroundings",
    "sweep",
    "sweep_columns",
    "sweep_frame",
    "sweep_many",
    "write_table",
]
