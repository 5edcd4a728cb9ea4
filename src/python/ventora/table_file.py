"""A table of NumPy columns as one file that pandas opens in one call:
HDF5 (pandas.read_hdf) when PyTables is installed, else CSV
(pandas.read_csv).

The HDF5 file is written with PyTables alone, in the layout pandas itself
gives a DataFrame stored with format="fixed" (the layout of its version
0.15.2, which pandas has read unchanged ever since), compressed as pandas
compresses with complib="blosc:lz4" (PyTables reads it; other HDF5 tools
need the Blosc filter plugin): importing pandas costs a process about as
much time as sweeping a thousand buildings, and the district's command line
never needs it otherwise. The tests read every such file back with pandas.

A file appears whole or not at all: it is written under a temporary name in
its own folder and renamed into place, so an interrupted run never leaves a
half-written table under the final name.

A column of a few distinct words (the sweep's status) can be given as a
WordColumn, codes into its words: the HDF5 file then holds one byte a row
and pandas still reads the words."""

import os
import tempfile

import numpy as np

PANDAS_LAYOUT_VERSION = "0.15.2"


class WordColumn:
    """A column of a few distinct words held as small integer codes into
    `words` (ventora.sweep_many's status and status_words). As an array it
    is the object array of the words; write_table stores it without a Python
    reference per row: building and pickling millions of them would hold the
    GIL for about a third of the sweep's own time, and threads sweeping side
    by side would wait for each other."""

    def __init__(self, codes, words):
        self.codes = np.asarray(codes)
        self.words = np.array(list(words), dtype=object)

    def __len__(self):
        return len(self.codes)

    def __getitem__(self, rows):
        return self.words[self.codes[rows]]

    def __array__(self, dtype=None):
        values = self.words[self.codes]
        return values if dtype is None else values.astype(dtype)


class _TakenWords:
    """Pickles as numpy.take(words, codes): unpickling gives the object array
    of words pandas stores for a column of str, from the codes' bytes."""

    def __init__(self, words, codes):
        self.words, self.codes = words, codes

    def __reduce__(self):
        return np.take, (self.words, self.codes)


def hdf5_available():
    try:
        import tables  # noqa: F401
    except ImportError:
        return False
    return True


def write_table(columns, stem, key="cp"):
    """Writes `columns` (name -> 1-D NumPy array or WordColumn, all of one
    length; object arrays hold str) to stem + ".h5" under `key` when PyTables is installed,
    else to stem + ".csv"; returns the path written."""
    lengths = {len(values) for values in columns.values()}
    if len(lengths) > 1:
        raise ValueError(f"write_table: the columns of {stem} differ in length: "
                         f"{sorted(lengths)}")
    if hdf5_available():
        path = stem + ".h5"
        _replace(path, lambda temporary: _write_hdf5(columns, temporary, key))
    else:
        path = stem + ".csv"
        _replace(path, lambda temporary: _write_csv(columns, temporary))
    return path


def _replace(path, write):
    folder = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(prefix=f".{os.path.basename(path)}.", dir=folder)
    os.close(handle)
    try:
        write(temporary)
        os.replace(temporary, path)
    except BaseException:
        if os.path.exists(temporary):
            os.unlink(temporary)
        raise


def _write_csv(columns, path):
    import pandas

    columns = {name: np.asarray(values) for name, values in columns.items()}
    pandas.DataFrame(columns, copy=False).to_csv(path, index=False, float_format="%.9g")


def _write_hdf5(columns, path, key):
    import tables

    rows = len(next(iter(columns.values()), ()))
    # Compressed as pandas compresses with complib="blosc:lz4": an eighth of
    # the size (the columns repeat a building's, an element's values), and
    # faster to write than the bytes it saves. pandas reads it as any other.
    compressed = tables.Filters(complevel=5, complib="blosc:lz4", shuffle=True)
    with tables.open_file(path, "w", filters=compressed) as h5:
        group = h5.create_group("/", key)
        attrs = group._v_attrs
        attrs.pandas_type = "frame"
        attrs.pandas_version = PANDAS_LAYOUT_VERSION
        attrs.encoding = "UTF-8"
        attrs.errors = "strict"
        attrs.ndim = 2
        attrs.nblocks = len(columns)
        _write_index(h5, group, "axis0", _names(columns), "string")
        _write_index(h5, group, "axis1", np.arange(rows, dtype=np.int64), "integer")
        # One block per column: pandas joins them on reading; stacking
        # same-typed columns first would only copy them.
        for i, (name, values) in enumerate(columns.items()):
            if isinstance(values, WordColumn) and len(values):
                _write_words(h5, group, f"block{i}_values", values)
            else:
                _write_block(h5, group, f"block{i}_values", np.asarray(values).reshape(1, -1))
            _write_index(h5, group, f"block{i}_items", _names([name]), "string")


def _names(names):
    return np.array([name.encode("utf-8") for name in names])


def _write_index(h5, group, key, values, kind):
    setattr(group._v_attrs, f"{key}_variety", "regular")
    _write_array(h5, group, key, values)
    node = getattr(group, key)
    node._v_attrs.kind = kind
    node._v_attrs.name = None


def _write_block(h5, group, key, values):
    # A block is stored as pandas holds it, one row per column, transposed.
    if values.dtype == object:
        _write_objects(h5, group, key, values.T)
    elif values.size == 0:
        _write_array(h5, group, key, values)
    else:
        h5.create_carray(group, key, obj=values.T)
        getattr(group, key)._v_attrs.transposed = True


def _write_words(h5, group, key, column):
    # The object block of the words' column, from its codes.
    _write_objects(h5, group, key, _TakenWords(column.words, column.codes.reshape(-1, 1)))


def _write_objects(h5, group, key, rows_by_column):
    # An object block as pandas writes it: one pickled (rows, 1) array,
    # transposed.
    import tables

    node = h5.create_vlarray(group, key, tables.ObjectAtom())
    node.append(rows_by_column)
    node._v_attrs.transposed = True


def _write_array(h5, group, key, values):
    if values.size:
        h5.create_carray(group, key, obj=values)
        getattr(group, key)._v_attrs.transposed = values.ndim == 1
        return
    # HDF5 has no empty arrays: pandas stores a one-element stand-in with the
    # shape and type it stands for.
    node = h5.create_array(group, key, np.empty((1,) * values.ndim))
    node._v_attrs.value_type = str(values.dtype)
    node._v_attrs.shape = values.shape
    node._v_attrs.transposed = False
