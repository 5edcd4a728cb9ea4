"""ventora.Job: names, elements, and the job file through the program's own
reader and writer."""

import pickle

import numpy as np
import pytest

import ventora
from conftest import EXAMPLES

NAMES = [("building_azimuth", "AzB"), ("wind_direction", "AnWind"),
         ("plan_area_density", "PAD"), ("surroundings_height", "SbH"), ("height", "BdZ"),
         ("length", "BdX"), ("width", "BdY"), ("profile_exponent", "VeEXP"),
         ("roof_tilt", "Phi"), ("roof_type", "Islope")]


@pytest.mark.parametrize("name", ["office-block.in", "low-house.in"])
def test_round_trip(name, example_copy, tmp_path):
    job = ventora.Job.read(example_copy(name))
    written = job.write(tmp_path / "copy")
    assert written == str(tmp_path / "copy.in") and job.path == written
    again = ventora.Job.read(written)
    assert again == job and again.name == "copy"
    assert pickle.loads(pickle.dumps(job)) == job  # as Dask hands jobs to workers
    rewritten = again.write(tmp_path / "again.in")
    assert open(rewritten, "rb").read() == open(written, "rb").read()


def test_elements_per_facade():
    job = ventora.Job(elements={ventora.Facade.ROOF: [[1, 2], [3, 4.5]]})
    assert job.elements.counts() == [0, 0, 0, 0, 2, 0]
    assert job.elements[5].dtype == np.float64
    np.testing.assert_array_equal(job.elements[5], [[1, 2], [3, 4.5]])
    job.elements[5] = np.empty((0, 2))
    assert job.elements[5].shape == (0, 2)
    for bad, error in [(lambda: job.elements.__setitem__(1, np.ones((3, 3))), ValueError),
                       (lambda: job.elements.__setitem__(1, np.ones((401, 2))), ValueError),
                       (lambda: job.elements[7], IndexError),
                       (lambda: ventora.Job(heigth=3), TypeError)]:
        with pytest.raises(error):
            bad()


@pytest.mark.parametrize("text, line, cause", [
    ("1 2 3\n7\n0\n", 2, "the facade number must be a whole number from 1 to 6"),
    ("1 2 3\n1\n", 2, "the file ends before the element count of facade 1"),
    ("1 2 3\n1\n401\n", 3, "the element count of facade 1 must be a whole number from 0 to 400"),
    ("1 2 3\n1\n2\n1 1 1\n", 4, "the file ends after 1 of the 2 elements of facade 1"),
    ("1 2 3\n1\n1\n1 x 1\n", 4, "(an element line holds its number, X and Z)"),
    ("1 2 3\n1\n1\n1 2\n", 4, "an element line must hold its number, X and Z"),
    (None, None, "the file is not read: it does not exist"),
])
def test_job_file_errors(text, line, cause, tmp_path):
    path = tmp_path / "bad.in"
    if text is not None:
        path.write_bytes(text.encode())
    with pytest.raises(ventora.JobFileError) as caught:
        ventora.Job.read(path)
    assert caught.value.path == str(path) and caught.value.line == line
    assert cause in str(caught.value) and (line is None or f"line {line}" in str(caught.value))


def test_failed_write_names_the_file(tmp_path):
    with pytest.raises(ventora.JobFileError) as caught:
        ventora.Job().write(tmp_path / "no folder" / "job.in")
    assert caught.value.path.endswith("job.in") and caught.value.line is None


LOW_HOUSE_HEADER = b" 0 30 0 6 6 12 8 .16 2 30\r\n"


@pytest.mark.parametrize("header, unread", [
    (b" 0 30 0 6 6 12 8 .16 2\r\n", "Phi"),                  # the roof tilt lost
    (b"hello world\r\n", "AzB, AnWind, PAD, SbH, Bdz, BdX, BdY, VeEXP, Islope, Phi"),
    (b"", "AzB, AnWind, PAD, SbH, Bdz, BdX, BdY, VeEXP, Islope, Phi"),  # an empty file
])
def test_damaged_header_refused_unless_read_as_zeros(header, unread, example_copy):
    path = example_copy("low-house.in")
    body = path.read_bytes()[len(LOW_HOUSE_HEADER):] if header else b""
    path.write_bytes(header + body)
    with pytest.raises(ventora.JobFileError) as caught:
        ventora.Job.read(path)
    assert caught.value.path == str(path) and caught.value.line == 1
    assert str(caught.value) == (f'Job file "{path}", line 1: the header line does not hold the '
                                 f"job's ten values; these could not be read: {unread}.")
    with pytest.warns(ventora.JobFileWarning, match=f"could not be read: {unread}. They are read"):
        job = ventora.Job.read(path, damaged_header="zeros")
    assert job.roof_tilt == 0 and job.elements.counts() == ([0] * 6 if not header else
                                                            ventora.Job.read(
                                                                EXAMPLES / "low-house.in"
                                                            ).elements.counts())
    with pytest.raises(ValueError, match="damaged_header"):
        ventora.Job.read(path, damaged_header="zero")


@pytest.mark.parametrize("values, error, text", [
    ({"length": "20"}, TypeError, "length (BdX) must be a number, not '20'"),
    ({"BdZ": [3]}, TypeError, "height (BdZ) must be a number, not [3]"),
    ({"roof_type": "double"}, TypeError, "roof_type (Islope) must be a whole number"),
    ({"roof_type": 3}, ValueError, "roof_type (Islope) = 3 is outside its range: 0 flat"),
    ({"width": float("nan")}, ValueError, "width (BdY) = nan is outside its range BdY > 0"),
    ({"AnWind": 400}, ValueError, "wind_direction (AnWind) = 400 is outside its range "
                                  "0 ≤ AnWind ≤ 360"),
    ({"profile_exponent": 0.5}, ValueError, "0 ≤ VeEXP ≤ 0.45"),
    ({"elements": {6: [[1, 2]]}}, ValueError, "facade 6: the floor takes no elements"),
    ({"elements": {1: [[1, 2], [3, -1]]}}, ValueError, "facade 1, element 2: z = -1.0 is outside"),
    ({"elements": {1: [[np.nan, 2]]}}, ValueError, "facade 1, element 1: x = nan is outside"),
    ({"elements": [[1, 2]]}, TypeError, "elements must be a dict"),
])
def test_values_checked_where_they_are_set(values, error, text):
    with pytest.raises(error) as caught:
        ventora.Job(**values)
    assert text in str(caught.value)
    (key, value), = values.items()
    if not isinstance(value, dict) and key == "elements":
        return  # no facade to assign it to
    job = ventora.Job()
    with pytest.raises(error) as caught:
        if key == "elements":
            for facade, rows in value.items():
                job.elements[facade] = rows
        else:
            setattr(job, key, value)
    assert text in str(caught.value) and job == ventora.Job()  # nothing half set


def test_one_value_under_each_name_and_python_manners():
    for long, short in NAMES:
        value = 0.1 if long == "profile_exponent" else 2  # held in 32 bits
        assert getattr(ventora.Job(**{long: value}), short) == np.float32(value)
        assert ventora.Job(**{long: value}) == ventora.Job(**{short: value})
    assert ventora.Job(roof_type=ventora.RoofType.SINGLE_SLOPE).roof_type == 1
    job = ventora.Job(BdZ=9, Bdz=10, length=12, elements={1: [[1, 2]]})
    assert job.BdZ == job.Bdz == job.height == 10
    assert "BdZ=10" in repr(job) and "BdX=12" in repr(job) and "1: 1" in repr(job)
    assert (job == 1) is False and job != "job" and job == job.copy()
    assert job.__eq__(1) is NotImplemented
    with pytest.raises(ValueError, match="read-only"):
        job.elements[1][0, 0] = 99
    assert job.elements[1][0, 0] == 1
    assert job.parameters()["height"] == 10 and job.parameters()["roof_type"] == 0


def test_docstrings_and_stub_name_everything():
    import ast
    import inspect
    from pathlib import Path
    undocumented = []
    for name in ventora.__all__:
        obj = getattr(ventora, name)
        if name.startswith("_") or not inspect.isclass(obj) and not callable(obj):
            continue
        if not (obj.__doc__ or "").strip():
            undocumented.append(name)
        enum_own = {"name", "value"} if hasattr(obj, "__members__") else set()
        for member, value in vars(obj).items() if inspect.isclass(obj) else ():
            if not member.startswith("_") and member not in enum_own and not (getattr(value, "__doc__", "") or "").strip():
                undocumented.append(f"{name}.{member}")
    assert undocumented == []
    stub = ast.parse((Path(ventora.__file__).parent / "__init__.pyi").read_text())
    job_class = next(n for n in stub.body if isinstance(n, ast.ClassDef) and n.name == "Job")
    init = next(n for n in job_class.body if isinstance(n, ast.FunctionDef) and n.name == "__init__")
    keywords = {a.arg for a in init.args.kwonlyargs}
    assert keywords == {n for pair in NAMES for n in pair} | {"Bdz", "elements"}
