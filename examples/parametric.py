#!/usr/bin/env python3
"""Notebook-style study: the facade averages of Cp of the office block as
the surroundings get denser, for two wind profile exponents.

    PYTHONPATH=build/dev/python /usr/bin/python3 examples/parametric.py \\
        [docs/images/parametric-pad.png]
"""

import os
import sys

import matplotlib

matplotlib.use("Agg")  # a file, no window
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import ventora  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FACADES = {1: "wall 1", 2: "wall 2", 3: "wall 3", 4: "wall 4", 5: "roof"}
EXPONENTS = {0.33: "-", 0.22: "--"}  # the job's, and open country's


def facade_averages(job, densities, exponent):
    """{facade: [average Cp per density]}, NaN where a run gave none."""
    study = job.copy()
    study.profile_exponent = exponent
    averages = {facade: [] for facade in FACADES}
    for pad in densities:
        study.plan_area_density = pad
        result = ventora.run(study)
        for facade in FACADES:
            averages[facade].append(result.averages.get(facade, np.nan))
    return averages


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "parametric-pad.png"
    job = ventora.Job.read(os.path.join(HERE, "office-block.in"))
    densities = np.arange(0, 36, 1.0)  # the limit for a building that is not a cube
    fig, ax = plt.subplots(figsize=(8, 5), dpi=100)
    for exponent, style in EXPONENTS.items():
        averages = facade_averages(job, densities, exponent)
        for (facade, label), color in zip(FACADES.items(), plt.cm.tab10.colors):
            ax.plot(densities, averages[facade], style, color=color,
                    label=f"{label}, exponent {exponent}")
    ax.set_xlabel("plan area density of the surroundings (%)")
    ax.set_ylabel("facade average Cp")
    ax.set_title(f"{job.name}: wind from {job.wind_direction:g} deg., "
                 f"building azimuth {job.building_azimuth:g} deg.")
    ax.grid(alpha=0.3)
    ax.legend(fontsize="small", ncol=2)
    fig.tight_layout()
    fig.savefig(out)
    print(out)


if __name__ == "__main__":
    main()
