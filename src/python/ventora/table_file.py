"""A table of NumPy columns as one file that pandas opens in one call:
HDF5 (pandas.read_hdf) when PyTables is installed, else CSV
(pandas.read_csv).

The HDF5 file is written with PyTables alone, in the layout pandas itself
gives a DataFrame stored with format="fixed" (the layout of its version
0.15.2, which pandas has read unchanged ever since): importing pandas costs
a process about as much time as sweeping a thousand buildings, and the
district's command line never needs it otherwise. The tests read every such
file back with pandas.

A file appears whole or not at all: it is written under a temporary name in
its own folder and renamed into place, so an interrupted run never leaves a
half-written table under the final name."""

import os
import tempfile

import numpy as np

PANDAS_LAYOUT_VERSION = "0.15.2"


def hdf5_available():
    try:
        import tables  # noqa: F401
    except ImportError:
        return False
    return True


def write_table(columns, stem, key="cp"):
    """Writes `columns` (name -> 1-D NumPy array, all of one length; object
    arrays hold str) to stem + ".h5" under `key` when PyTables is installed,
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

    pandas.DataFrame(columns, copy=False).to_csv(path, index=False, float_format="%.9g")


def _write_hdf5(columns, path, key):
    import tables

    rows = len(next(iter(columns.values()), ()))
    with tables.open_file(path, "w") as h5:
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
        import tables

        node = h5.create_vlarray(group, key, tables.ObjectAtom())
        node.append(values.T)
        node._v_attrs.transposed = True
    elif values.size == 0:
        _write_array(h5, group, key, values)
    else:
        h5.create_array(group, key, values.T)
        getattr(group, key)._v_attrs.transposed = True


def _write_array(h5, group, key, values):
    if values.size:
        h5.create_array(group, key, values)
        getattr(group, key)._v_attrs.transposed = values.ndim == 1
        return
    # HDF5 has no empty arrays: pandas stores a one-element stand-in with the
    # shape and type it stands for.
    node = h5.create_array(group, key, np.empty((1,) * values.ndim))
    node._v_attrs.value_type = str(values.dtype)
    node._v_attrs.shape = values.shape
    node._v_attrs.transposed = False
