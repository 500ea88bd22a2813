#!/usr/bin/env python3
"""The plot window's first load of "Fabrics.dat" against numpy and matplotlib doing the same.

At 1x, 4x and 16x the large synthetic set, for the first layer and the temperature (column 8):
our load (bench_plot --run plot: the directory window's count of the layers, then the chosen
layer's rows, up to the points and the tick texts) against numpy.loadtxt of the time, position,
layer and value columns, the rows of the layer, and a matplotlib line plot of the value over
time saved as a PNG. Medians of a few runs each, run by hand (not in CI):

    python3 bench/plot_vs_numpy.py build/bin/bench_plot [runs]

Skips with a note when numpy or matplotlib is not installed.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

LAYER = 0    # the first layer, as the window lists it "The 1th layer Fabric"
COLUMN = 8   # "Temperature(degree of C)"
SIZES = (1, 4, 16)


def ours(bench, path):
    out = subprocess.run([bench, "--run", "plot", path, str(LAYER), str(COLUMN), path],
                         check=True, capture_output=True, text=True).stdout.split()
    return float(out[0])


def theirs(np, plt, path, png):
    start = time.perf_counter()
    data = np.loadtxt(path, delimiter="\t", usecols=(0, 1, 2, COLUMN))
    rows = data[data[:, 2] == LAYER]
    figure, axes = plt.subplots()
    axes.plot(rows[:, 0], rows[:, 3])
    figure.savefig(png)
    plt.close(figure)
    return time.perf_counter() - start


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    bench = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    try:
        import numpy as np
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        print("skipped: numpy and matplotlib are not installed")
        return 0
    print(f"{'size':>5} {'MB':>7} {'ours ms':>9} {'numpy+matplotlib ms':>20} {'ratio':>7}")
    with tempfile.TemporaryDirectory(prefix="vantora-plot-numpy-") as root:
        for copies in SIZES:
            folder = os.path.join(root, str(copies))
            subprocess.run([bench, "--make-fabrics", folder, str(copies)], check=True)
            path = os.path.join(folder, "Fabrics.dat")
            png = os.path.join(folder, "plot.png")
            mine, other = [], []
            for _ in range(runs):  # interleaved
                mine.append(ours(bench, path))
                other.append(theirs(np, plt, path, png))
            a, b = statistics.median(mine), statistics.median(other)
            print(f"{copies:>4}x {os.path.getsize(path) / 1e6:7.1f} {1000 * a:9.1f} {1000 * b:20.1f} {b / a:6.1f}x",
                  flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
