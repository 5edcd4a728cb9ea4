#!/usr/bin/env python3
"""Draws the pictures of the guide page "How Ventora's Cp compare", computed
by Ventora itself: each wall's mean beside the published methods for the
cube and the block, isolated and at PAD 10, 20 and 30; the staircase of a
windward element against a 10-degree export; the flat roof's bands and its
two labellings. Prints the numbers the page quotes.

    PYTHONPATH=build/dev/python /usr/bin/python3 docs/guide/compare_cp_pictures.py \\
        [src/ui/pictures/drawings]
"""

import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")  # files, no window
matplotlib.rcParams["svg.hashsalt"] = "ventora"  # the same files from the same numbers
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import ventora  # noqa: E402

HEIGHT = 10.0
EXPONENT = 0.22
CASES = [("isolated", 0.0), ("PAD 10 %", 10.0), ("PAD 20 %", 20.0), ("PAD 30 %", 30.0)]
STYLE = {"ventora": ("k", "-", "Ventora, the wall's mean"),
         "swami_chandra": ("tab:blue", "--", "Swami & Chandra (EnergyPlus)"),
         "aivc": ("tab:orange", "-.", "AIVC, low-rise walls")}


def building(length, width, pad, **more):
    """Wall 1 faces west (AzB 0); the surroundings as high as the building."""
    return ventora.Job(building_azimuth=0, wind_direction=270, plan_area_density=pad,
                       surroundings_height=HEIGHT, height=HEIGHT, length=length, width=width,
                       profile_exponent=EXPONENT, roof_type=0, roof_tilt=0, **more)


def angle_to_wall(wind_from, wall_azimuth):
    return (np.asarray(wind_from) - wall_azimuth + 180) % 360 - 180


def methods_panel(ax, comparison, wall, azimuth, title):
    rows = comparison.facade == wall
    angle = angle_to_wall(comparison.wind_from[rows], azimuth)
    order = np.argsort(angle)
    for name, (colour, line, label) in STYLE.items():
        ax.plot(angle[order], getattr(comparison, name)[rows][order], color=colour,
                linestyle=line, label=label)
    en = comparison.en1991[rows]
    ax.plot(angle[~np.isnan(en)], en[~np.isnan(en)], "s", color="tab:green", mfc="white",
            label="EN 1991-1-4, wind normal to a wall")
    ax.axhline(0, color="0.6", linewidth=0.6)
    ax.set_xticks(range(-180, 181, 90))
    ax.set_ylim(-1.3, 1.0)
    ax.set_title(f"{title}: AIVC {comparison.exposure}", fontsize=9)
    ax.grid(alpha=0.3)


def compare_figure(out, length, width, walls, name):
    fig, axes = plt.subplots(len(walls), 4, figsize=(12, 3.1 * len(walls) + 0.8), sharex=True,
                             sharey=True, constrained_layout=True, squeeze=False)
    for column, (title, pad) in enumerate(CASES):
        comparison = ventora.compare(building(length, width, pad), step=5)
        for row, (wall, azimuth, what) in enumerate(walls):
            methods_panel(axes[row][column], comparison, wall, azimuth, f"{what}, {title}")
            windward = (comparison.facade == wall) & (comparison.wind_from == azimuth)
            print(f"{name} {what} {title}: windward mean {comparison.ventora[windward][0]:.3f}, "
                  f"Swami-Chandra {comparison.swami_chandra[windward][0]:.3f}, "
                  f"AIVC {comparison.aivc[windward][0]:.3f}, "
                  f"EN {comparison.en1991[windward][0]:.3f}")
    for ax in axes[-1]:
        ax.set_xlabel("wind angle to the wall's normal (deg)")
    for row in axes:
        row[0].set_ylabel("mean Cp of the wall")
    axes[0][0].legend(fontsize=7, loc="lower center")
    fig.suptitle(f"{name}: each method's Cp of the wall against the wind, SbH = H = 10 m",
                 fontsize=10)
    fig.savefig(out, metadata={"Date": None})


def staircase_figure(out):
    """The middle of wall 1 of the block at PAD 30: the model at every
    degree, a 10-degree export read linearly, and the spread."""
    job = building(20, 10, 30, elements={1: [[10, 5]]})
    fine = ventora.sweep(job, step=1, spread=True)
    coarse = ventora.sweep(job, step=10)
    angle = angle_to_wall(fine.directions, 270)
    order = np.argsort(angle)
    between = np.interp(fine.directions, np.append(coarse.directions, 360),
                        np.append(coarse.cp[0], coarse.cp[0][0]))
    miss = np.abs(between - fine.cp[0])
    print(f"staircase: largest miss of the 10-degree export {miss.max():.3f} at "
          f"{fine.directions[miss.argmax()]:.0f} deg, widest spread "
          f"{(fine.cp_high[0] - fine.cp_low[0]).max():.3f}")
    fig, ax = plt.subplots(figsize=(10, 4.2), constrained_layout=True)
    ax.fill_between(angle[order], fine.cp_low[0][order], fine.cp_high[0][order], color="0.85",
                    label="the spread: Cp low to Cp high (within 5 deg)")
    ax.plot(angle[order], fine.cp[0][order], "k-", drawstyle="steps-mid",
            label="the model at every degree")
    ax.plot(angle[order], between[order], color="tab:red", linestyle="--",
            label="a 10-degree export read linearly")
    coarse_angle = angle_to_wall(coarse.directions, 270)
    ax.plot(coarse_angle, coarse.cp[0], "o", color="tab:red", mfc="white",
            label="the exported directions")
    ax.set_xlim(-180, 180)
    ax.set_xticks(range(-180, 181, 30))
    ax.set_xlabel("wind angle to wall 1's normal (deg)")
    ax.set_ylabel("Cp at the middle of wall 1")
    ax.grid(alpha=0.3)
    ax.legend(fontsize=8)
    ax.set_title("The block at PAD 30 %: steps of the model's tables, an export between them",
                 fontsize=10)
    fig.savefig(out, metadata={"Date": None})


def roof_grid(length, width, nx=60, ny=30):
    """Cell centres of the roof: x along the length, y across from wall 1."""
    x = (np.arange(nx) + 0.5) / nx
    y = (np.arange(ny) + 0.5) / ny
    return np.meshgrid(x, y, indexing="ij")


def roof_figure(out):
    """The isolated block's flat roof with the wind on wall 1 (from the west),
    as entered (wall 1 the long west wall) and entered from the next wall
    (AzB + 90, length and width swapped: wall 1 is now the short north
    wall); north up, the same building seen from above."""
    x, y = roof_grid(20, 10)
    common = dict(wind_direction=270, plan_area_density=0, surroundings_height=HEIGHT,
                  height=HEIGHT, profile_exponent=EXPONENT, roof_type=0, roof_tilt=0)
    as_entered = ventora.cp(5, x, y, building_azimuth=0, length=20, width=10, **common)
    # The twin's point of each physical point: x' = 1 - y, y' = x.
    twin = ventora.cp(5, 1 - y, x, building_azimuth=90, length=10, width=20, **common)
    print(f"roof: mean {as_entered.mean():.3f} as entered, {twin.mean():.3f} from the next "
          f"wall; largest difference at a point {np.abs(as_entered - twin).max():.3f}")
    fig, axes = plt.subplots(1, 2, figsize=(10, 6.2), constrained_layout=True)
    for ax, values, title in ((axes[0], as_entered, "as entered: AzB 0, BdX 20, BdY 10"),
                              (axes[1], twin, "from the next wall: AzB 90, BdX 10, BdY 20")):
        # Seen from above, north up: y runs east from wall 1 (west), x south from wall 4.
        image = ax.imshow(values, extent=(0, 10, 0, 20), origin="upper", cmap="RdBu_r",
                          vmin=-1.2, vmax=1.2, interpolation="nearest")
        ax.set_title(f"{title}\nroof mean {values.mean():.2f}", fontsize=9)
        ax.set_xlabel("east (m)")
        ax.set_ylabel("north (m)")
    fig.colorbar(image, ax=axes, shrink=0.8, label="Cp on the roof")
    fig.suptitle("The isolated 20 x 10 x 10 m block's flat roof seen from above, north up, "
                 "the wind from the west (the left)", fontsize=10)
    fig.savefig(out, metadata={"Date": None})


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    compare_figure(folder / "compare_cube.svg", 10, 10, [(1, 270, "wall")], "The cube")
    compare_figure(folder / "compare_block.svg", 20, 10,
                   [(1, 270, "long wall"), (2, 180, "short wall")], "The block")
    staircase_figure(folder / "cp_staircase.svg")
    roof_figure(folder / "roof_labelling.svg")


if __name__ == "__main__":
    main()
