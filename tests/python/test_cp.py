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
    with pytest.raises(TypeError, match="unexpected keyword argument 'wind'"):
        ventora.cp(1, 0.5, 0.5, job=JOB, wind=3)
    short = {"AzB": JOB.AzB, "AnWind": [0, 90], "PAD": 20, "SbH": JOB.SbH, "BdZ": JOB.height,
             "BdX": JOB.length, "BdY": JOB.width, "VeEXP": JOB.VeEXP, "Islope": 0, "Phi": 0}
    np.testing.assert_array_equal(ventora.cp(2, 0.3, 0.7, **short), ventora.cp(
        2, 0.3, 0.7, job=JOB, wind_direction=[0, 90], plan_area_density=20))
    assert ventora.cp(2, 0.3, 0.7, job=JOB, Bdz=12) == ventora.cp(2, 0.3, 0.7, job=JOB, height=12)


@pytest.mark.parametrize("values, text", [
    ({"plan_area_density": "20"}, "plan_area_density (PAD) must be numbers, not '20'"),
    ({"PAD": ["20", "30"]}, "plan_area_density (PAD) must be numbers"),
    ({"height": object()}, "height (BdZ) must be numbers"),
    ({"facade": "1"}, "facade must be numbers"),
    ({"job": 3}, "job must be a ventora.Job"),
])
def test_arguments_that_are_no_numbers_are_refused(values, text):
    args = {"facade": 1, "x_rel": 0.5, "z_rel": 0.5, "job": JOB, **values}
    with pytest.raises(TypeError) as caught:
        ventora.cp(**args)
    assert text in str(caught.value)


@pytest.mark.parametrize("facade, x, values, why", [
    (1, 0.5, {"plan_area_density": 60}, "plan_area_density (PAD) = 60 is outside its range "
                                        "0 ≤ PAD ≤ 50"),
    (1, 0.5, {"wind_direction": 400}, "wind_direction (AnWind) = 400 is outside its range"),
    (1, 0.5, {"plan_area_density": 45}, "the checks before a run refuse the job: Plan area "
                                        "density PAD 45 % (for a building that is not a cube) "
                                        "is outside the accepted range 0 ≤ PAD ≤ 35."),
    (1, 0.5, {"profile_exponent": 0.5}, "profile_exponent (VeEXP) = 0.5 is outside its range"),
    (1, 0.5, {"wind_direction": np.nan}, "wind_direction (AnWind) = nan is outside its range"),
    (5, 0.5, {"roof_type": 1, "roof_tilt": 50}, "roof_tilt (Phi) = 50 is outside its range"),
    (1, 0.5, {"roof_type": 1.5}, "roof_type (Islope) is 0 flat, 1 single slope or 2 double"),
    (7, 0.5, {}, "the facade is a whole number from 1 to 6"),
    (1.5, 0.5, {}, "the facade is a whole number from 1 to 6"),
    (6, 0.5, {}, "the floor (facade 6) has no Cp"),
    (1, 1.2, {}, "the point lies outside its facade"),
    (1, np.nan, {}, "the point lies outside its facade"),
])
def test_nan_and_why_where_a_run_gives_no_value(facade, x, values, why):
    cp, reason = ventora.cp(facade, x, 0.5, job=JOB, reason=True, **values)
    assert np.isnan(cp) and reason.startswith(why)
    cps, reasons = ventora.cp([facade, 1], [x, 0.5], 0.5, job=JOB, reason=True,
                              **{k: [v, getattr(JOB, k)] for k, v in values.items()})
    assert np.isnan(cps[0]) and reasons[0] == reason
    assert cps[1] == ventora.cp(1, 0.5, 0.5, job=JOB) and reasons[1] == ""
    assert reasons.shape == cps.shape and reasons.dtype == object


def test_threads_give_the_serial_result():
    x = np.random.default_rng(1).uniform(0, 1, 40000)
    serial = ventora.cp(5, x, x[::-1], job=JOB)
    with ThreadPoolExecutor(4) as pool:
        parts = pool.map(lambda c: ventora.cp(5, c, c[::-1], job=JOB), np.split(x, 4))
    threaded = np.concatenate(list(parts))
    np.testing.assert_array_equal(threaded, np.concatenate(
        [ventora.cp(5, c, c[::-1], job=JOB) for c in np.split(x, 4)]))
    assert np.isfinite(serial).all() and serial.shape == threaded.shape
