"""ventora.run and ventora.cp against ventora-run's reports, on the example
jobs and on generated ones (within the limits, refused, stopped)."""

import math

import numpy as np
import pytest

import district
import ventora
from conftest import VERDICT_OF_STATUS, run_report, shown


def generated(index, change):
    job = district.make_building(7, index, openings=20)
    change(job)
    return job


def set_elements(facade, rows):
    return lambda job: job.elements.__setitem__(facade, rows)


GENERATED = {
    "within limits": lambda job: None,
    "sloped roof": lambda job: setattr(job, "roof_type", 2) or setattr(job, "roof_tilt", 30),
    "isolated, surroundings set to the height": lambda job: setattr(job, "PAD", 0),
    "walls clamped to the profile band":
        lambda job: job.elements.__setitem__(1, [[1, 0.02 * job.Bdz], [2, 0.97 * job.Bdz]]),
    "exponent beyond confidence": lambda job: setattr(job, "VeEXP", 0.44),
    "density refused for the shape": lambda job: setattr(job, "PAD", 45),
    "element outside its facade": set_elements(2, [[1e4, 1]]),
    "floor element stops the run": None,  # Python refuses it: only a job file holds one
}
def extents(job, facade):
    """L and H of a facade in 32 bits, as the run divides by them."""
    across = job.BdY if facade in (2, 4) else job.BdX
    return np.float32([across, job.BdY if facade > 4 else job.Bdz])


CASES = ["office-block.in", "low-house.in", *GENERATED]


@pytest.mark.parametrize("case", CASES)
def test_run_equals_ventora_run(case, tmp_path, example_copy):
    if case.endswith(".in"):
        path = example_copy(case)
    else:
        job = generated(CASES.index(case), GENERATED[case] or (lambda job: None))
        path = job.write(tmp_path / "generated.in")
        if GENERATED[case] is None:
            with open(path, "ab") as f:
                f.write(b" 6 \r\n 1 \r\n 1 1 1 \r\n")
    job = ventora.Job.read(path)
    status, report_cps, report_averages, stderr = run_report(path)
    result = ventora.run(job)

    assert result.verdict.name in VERDICT_OF_STATUS[status]
    assert "\n".join(map(str, result.messages)).replace("\r", "\n") + "\n" == (stderr or "\n")
    table = result.table()
    # The report numbers the elements across facades, in the table's order.
    computed = {k: shown(c) for k, c in enumerate(table["cp"], 1) if not math.isnan(c)}
    assert computed == {n: c for n, c in report_cps.items() if c != 10000}
    assert {f: shown(a) for f, a in result.averages.items()} == report_averages
    for facade, cps in result.cp.items():
        assert len(cps) == job.elements.counts()[facade - 1]

    # Each element again, as a point of the model at its place on the job.
    rel = np.concatenate([job.elements[f].astype(np.float32) / extents(job, f) for f in range(1, 7)])
    again = ventora.cp(table["facade"], rel[:, 0], rel[:, 1], job=job)
    ok = ~np.isnan(table["cp"])
    np.testing.assert_array_equal(again[ok], table["cp"][ok])


def test_run_collects_what_ventora_run_would_show():
    job = generated(0, GENERATED["density refused for the shape"])
    result = ventora.run(job)  # its verdict and messages are ventora-run's: above
    assert ventora.check(job)[0].text == result.messages[0].text
    assert np.isnan(result.cp[1]).all()
    table = result.to_pandas()
    assert list(table.columns) == ["facade", "number", "x", "z", "x_rel", "z_rel", "cp", "status",
                                   "status_detail"]
    assert set(table.status) == {"not-computed"}  # the refused job computed nothing


def test_elements_outside_their_facade_are_named():
    job = generated(0, GENERATED["within limits"])
    inside = job.elements[2][0]
    job.elements[2] = [inside, [1e4, 1], inside, [1, 1e4]]
    named = [(m.element, repr(m)) for m in ventora.run(job).messages
             if m.text == "Element out of facade!"]
    assert named == [((2, 2, 1e4, 1), "<ventora.Message Error: Element out of facade! "
                                       "(facade 2, element 2)>"),
                     ((2, 4, 1, 1e4), "<ventora.Message Error: Element out of facade! "
                                      "(facade 2, element 4)>")]
    assert [m.element for m in ventora.check(job) if m.element] == [(2, 2, 1e4, 1), (2, 4, 1, 1e4)]
    with pytest.raises(ventora.RunError) as caught:
        ventora.sweep(job)
    assert [m.element for m in caught.value.messages if m.element][1] == (2, 4, 1, 1e4)
    assert all(m.element is None for m in ventora.run(generated(0, lambda j: None)).messages)
