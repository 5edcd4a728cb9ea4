#!/usr/bin/env python3
"""Draws the guide's picture of where the fitted curves misbehave: the
head-on windward Cp at the middle of a wall over PAD x RbH and PAD x FAR,
computed by Ventora itself, with the envelope of possible Cp drawn in (its
low bound 0 where the middle of the wall stands above the surroundings,
RbH above 2).

    PYTHONPATH=build/dev/python /usr/bin/python3 docs/guide/implausible_cp_picture.py \\
        [src/ui/pictures/drawings/implausible_cp.svg]
"""

import sys

import matplotlib

matplotlib.use("Agg")  # a file, no window
matplotlib.rcParams["svg.hashsalt"] = "ventora"  # the same file from the same numbers
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

import ventora  # noqa: E402

HEIGHT = 20.0  # m; the ratios are what counts
EXPONENT = 0.25
LOW, HIGH = -0.7, 1.0  # the windward wall's envelope (core/cp_envelope.h)
LOW_ABOVE = 0.0  # its low bound above the surroundings


def head_on_cp(pad, rbh, far, sar):
    """Cp at the middle of wall 1 with the wind on its normal (270 at AzB 0)."""
    return ventora.cp(1, 0.5, 0.5, building_azimuth=0.0, wind_direction=270.0,
                      plan_area_density=pad, surroundings_height=HEIGHT / rbh,
                      height=HEIGHT, length=far * HEIGHT, width=sar * HEIGHT,
                      profile_exponent=EXPONENT, roof_type=0, roof_tilt=0.0)


def hatch(ax, x, y, outside, spacing=0.035, samples=600):
    """Diagonal lines over the cells where `outside` holds, drawn as plain
    lines: the help window's SVG renderer draws no pattern fills."""
    t = np.linspace(0, 1, samples)
    for start in np.arange(-1, 1, spacing):
        fx = t
        fy = t - start  # the line x - y = start in the axes' fractions
        row = np.rint(fy * (len(y) - 1)).astype(int)
        col = np.rint(fx * (len(x) - 1)).astype(int)
        inside = (fy >= 0) & (fy <= 1)
        shown = np.zeros_like(t, dtype=bool)
        shown[inside] = outside[row[inside], col[inside]]
        if not shown.any():
            continue
        xs = np.where(shown, x[0] + fx * (x[-1] - x[0]), np.nan)
        ys = np.where(shown, y[0] + fy * (y[-1] - y[0]), np.nan)
        ax.plot(xs, ys, color="k", linewidth=0.6)


def panel(ax, x, y, cp, rbh, ylabel, title):
    shown = np.clip(cp, -3, 3)
    image = ax.pcolormesh(x, y, shown, cmap="RdBu_r", vmin=-3, vmax=3, shading="auto",
                          rasterized=True)
    lines = ax.contour(x, y, cp, levels=[LOW, LOW_ABOVE, HIGH], colors="k", linewidths=1.0)
    ax.clabel(lines, fmt={LOW: "-0.7", LOW_ABOVE: "0", HIGH: "+1.0"}, fontsize=8)
    low = np.where(rbh > 2, LOW_ABOVE, LOW)  # mid-height above SbH: Bdz / 2 > Bdz / RbH
    hatch(ax, x, y, (cp < low) | (cp > HIGH))
    ax.set_xlabel("PAD (%)")
    ax.set_ylabel(ylabel)
    ax.set_title(title, fontsize=10)
    return image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "implausible_cp.svg"
    pad = np.linspace(0, 35, 141)
    rbh = np.linspace(0.5, 4, 71)
    far = np.linspace(0.5, 4, 71)
    P, R = np.meshgrid(pad, rbh)
    by_rbh = head_on_cp(P, R, 1.8, 1.6)
    P2, F = np.meshgrid(pad, far)
    by_far = head_on_cp(P2, 2.8, F, 1.6)
    fig, axes = plt.subplots(1, 2, figsize=(10, 4.2), constrained_layout=True)
    panel(axes[0], pad, rbh, by_rbh, R, "RbH", "FAR 1.8, SAR 1.6")
    axes[0].axhline(2, color="k", linestyle=":", linewidth=0.8)
    image = panel(axes[1], pad, far, by_far, np.full_like(by_far, 2.8), "FAR",
                  "RbH 2.8, SAR 1.6")
    bar = fig.colorbar(image, ax=axes, shrink=0.9)
    bar.set_label("head-on windward Cp at mid-height (shown within -3..3)")
    fig.suptitle("Hatched: beyond the envelope of possible Cp for a windward wall (-0.7 to "
                 "+1.0; 0 to +1.0 above the surroundings, RbH above 2, dotted)", fontsize=10)
    fig.savefig(out, metadata={"Date": None})


if __name__ == "__main__":
    main()
