"""Opens every DXF file of a pattern run with ezdxf and renders every HPGL file with hp2xx.

Usage: patterns_readers.py WORK EXPORT CHINES
The two-dimensional drawings must hold as many LINE entities as their plot files draw with the
pen down; the hull drawing three copies of its wireframe (5 bulkheads and CHINES chines each).
"""
import glob
import os
import subprocess
import sys

import ezdxf


def find_case_insensitive(folder, name):
    for entry in os.listdir(folder):
        if entry.lower() == name.lower():
            return os.path.join(folder, entry)
    return None


def lines_drawn(plot_file):
    """Coordinate lines met with the pen down: each one draws from the position before it."""
    pen_down = False
    count = 0
    with open(plot_file, newline="") as plot:
        for line in plot:
            if "penup" in line:
                pen_down = False
            elif "pendown" in line:
                pen_down = True
            elif "acut" in line or "aline" in line:
                if pen_down:
                    count += 1
    return count


def main():
    work, export, chines = sys.argv[1], sys.argv[2], int(sys.argv[3])
    failures = []

    drawings = sorted(glob.glob(os.path.join(export, "*.dxf")))
    if len(drawings) < 10:
        failures.append("only %d DXF files in %s" % (len(drawings), export))
    for drawing in drawings:
        name = os.path.splitext(os.path.basename(drawing))[0]
        plot = find_case_insensitive(work, name + ".uc")
        if plot is None:
            failures.append("%s has no plot file %s.uc" % (drawing, name))
            continue
        try:
            lines = len(ezdxf.readfile(drawing).modelspace().query("LINE"))
        except Exception as error:  # any reader error fails the test
            failures.append("ezdxf cannot read %s: %s" % (drawing, error))
            continue
        expected = lines_drawn(plot)
        if lines != expected or expected == 0:
            failures.append("%s: %d LINE entities, the plot file draws %d" % (drawing, lines, expected))

    hull = os.path.join(work, "readers.DXF")
    try:
        polylines = list(ezdxf.readfile(hull).modelspace().query("POLYLINE"))
        bulkheads = [p for p in polylines if len(p.vertices) == 2 * chines]
        chine_lines = [p for p in polylines if len(p.vertices) == 27]
        if len(polylines) != 3 * (5 + chines) or len(bulkheads) != 15 or len(chine_lines) != 3 * chines:
            failures.append("%s: %d polylines (%d bulkheads, %d chines)"
                            % (hull, len(polylines), len(bulkheads), len(chine_lines)))
    except Exception as error:
        failures.append("ezdxf cannot read %s: %s" % (hull, error))

    plots = sorted(glob.glob(os.path.join(export, "*.plt")))
    if len(plots) != len(drawings):
        failures.append("%d HPGL files for %d DXF files" % (len(plots), len(drawings)))
    for plot in plots:
        result = subprocess.run(["hp2xx", "-q", "-m", "png", "-f", plot + ".png", plot],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
        if result.returncode != 0 or result.stderr.strip():
            failures.append("hp2xx cannot render %s: %s" % (plot, result.stderr.decode().strip()))
        elif not os.path.getsize(plot + ".png"):
            failures.append("hp2xx rendered nothing for %s" % plot)

    for failure in failures:
        print(failure, file=sys.stderr)
    print("%d DXF files, %d HPGL files checked" % (len(drawings) + 1, len(plots)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
