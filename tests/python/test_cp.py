"""ventora.cp: broadcasting as NumPy does, and NaN wherever a run would give
no value."""

from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import ventora
from conftest import EXAMPLES

JOB = ventora.Job.read(EXAMPLES / "office-block.in")


def test_broadcasts_as_numpy():
    x = np.linspace(0.05, 0.95, 5)
    pad = np.array([[0], [10], [20], [30]])
    grid = ventora.cp(1, x, 0.5, job=JOB, plan_area_density=pad)
    assert grid.shape == (4, 5)
    for (i, j), value in np.ndenumerate(grid):
        assert value == ventora.cp(1, x[j], 0.5, job=JOB, plan_area_density=pad[i, 0])
    wind = np.arange(0, 360, 30.0).reshape(3, 4).T  # a strided view
    walls = ventora.cp([[1], [2], [3], [4]], 0.3, [0.2, 0.5, 0.8], job=JOB, wind_direction=wind)
    for (i, j), value in np.ndenumerate(walls):
        assert value == ventora.cp(i + 1, 0.3, [0.2, 0.5, 0.8][j], job=JOB, wind_direction=wind[i, j])
    assert isinstance(ventora.cp(5, 0.5, 0.5, job=JOB), float)


def test_explicit_values_equal_the_job():
    explicit = {name: getattr(JOB, name) for name in (
        "building_azimuth", "wind_direction", "plan_area_density", "surroundings_height",
        "height", "length", "width", "profile_exponent", "roof_type", "roof_tilt")}
    assert ventora.cp(2, 0.3, 0.7, **explicit) == ventora.cp(2, 0.3, 0.7, job=JOB)
    with pytest.raises(TypeError, match="wind_direction"):
        ventora.cp(1, 0.5, 0.5, height=10)
    with pytest.raises(TypeError):
        ventora.cp(1, 0.5, 0.5, job=JOB, wind=3)


@pytest.mark.parametrize("facade, x, z, values", [
    (6, 0.5, 0.5, {}),                               # the floor has no model
    (7, 0.5, 0.5, {}),                               # no such facade
    (1.5, 0.5, 0.5, {}),
    (1, 1.2, 0.5, {}),                               # outside its facade
    (1, 0.5, -0.1, {}),
    (1, 0.5, 0.5, {"plan_area_density": 45}),        # refused for this shape
    (1, 0.5, 0.5, {"profile_exponent": 0.5}),
    (5, 0.5, 0.5, {"roof_type": 1.5}),
    (5, 0.5, 0.5, {"roof_type": 1, "roof_tilt": 50}),  # refused by the pre-run checks
    (1, np.nan, 0.5, {}),
    (1, 0.5, 0.5, {"wind_direction": np.nan}),
])
def test_nan_where_a_run_gives_no_value(facade, x, z, values):
    assert np.isnan(ventora.cp(facade, x, z, job=JOB, **values))
    assert not np.isnan(ventora.cp(1, 0.5, 0.5, job=JOB))


def test_threads_give_the_serial_result():
    x = np.random.default_rng(1).uniform(0, 1, 40000)
    serial = ventora.cp(5, x, x[::-1], job=JOB)
    with ThreadPoolExecutor(4) as pool:
        parts = pool.map(lambda c: ventora.cp(5, c, c[::-1], job=JOB), np.split(x, 4))
    threaded = np.concatenate(list(parts))
    np.testing.assert_array_equal(threaded, np.concatenate(
        [ventora.cp(5, c, c[::-1], job=JOB) for c in np.split(x, 4)]))
    assert np.isfinite(serial).all() and serial.shape == threaded.shape
