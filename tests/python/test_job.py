"""ventora.Job: names, elements, and the job file through the program's own
reader and writer."""

import pickle

import numpy as np
import pytest

import ventora

NAMES = [("building_azimuth", "AzB"), ("wind_direction", "AnWind"),
         ("plan_area_density", "PAD"), ("surroundings_height", "SbH"), ("height", "Bdz"),
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


def test_long_and_short_names_are_one_value():
    for i, (long, short) in enumerate(NAMES):
        job = ventora.Job(**{long: i % 3})
        assert getattr(job, short) == i % 3 and job == ventora.Job(**{short: i % 3})
    assert ventora.Job(roof_type=ventora.RoofType.SINGLE_SLOPE).roof_type == 1
    assert ventora.Job(profile_exponent=0.1).VeEXP == np.float32(0.1)  # held in 32 bits


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
                       (lambda: setattr(job, "roof_type", 3), ValueError),
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
