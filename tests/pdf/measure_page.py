"""Measures a page rendered without anti-aliasing (pdftoppm -aa no -aaVector no) at DPI: the
box of the straight lines at least an inch long in one colour, between the middles of its edge
lines. usage: measure_page.py PAGE.ppm DPI R,G,B WIDTH HEIGHT [R,G,B WIDTH HEIGHT ...]
Exits 1 when a box differs from the inches given by more than 0.01 in."""
import sys


def middles(lines, least):
    """The weighted middles of runs of neighbouring rows (or columns) holding a line >= least."""
    found, run = [], []
    for index in range(max(lines, default=0) + 2):
        positions = sorted(lines.get(index, []))
        longest = length = 1
        for a, b in zip(positions, positions[1:]):
            length = length + 1 if b == a + 1 else 1
            longest = max(longest, length)
        if positions and longest >= least:
            run.append((index, longest))
        elif run:
            found.append(sum(i * n for i, n in run) / sum(n for _, n in run))
            run = []
    return found


args = sys.argv[1:]
with open(args[0], "rb") as f:
    data = f.read()
width, height = (int(n) for n in data.split(maxsplit=3)[1:3])  # P6, width, height, 255
pixels, dpi, failed = data[-3 * width * height:], float(args[1]), False
for colour, want_w, want_h in zip(args[2::3], args[3::3], args[4::3]):
    columns, rows, start = {}, {}, 0
    wanted = bytes(int(c) for c in colour.split(","))
    while (i := pixels.find(wanted, start)) >= 0:
        if i % 3:
            start = i + 1
            continue
        columns.setdefault(i // 3 % width, []).append(i // 3 // width)
        rows.setdefault(i // 3 // width, []).append(i // 3 % width)
        start = i + 3
    xs, ys = middles(columns, dpi), middles(rows, dpi)
    got = ((xs[-1] - xs[0]) / dpi, (ys[-1] - ys[0]) / dpi) if len(xs) == len(ys) == 2 else None
    ok = got is not None and all(abs(g - float(w)) <= 0.01 for g, w in zip(got, (want_w, want_h)))
    failed = failed or not ok
    print("%s: %s, expected %s x %s in%s" % (colour, "%.4f x %.4f in" % got if got else
                                             "%d x %d edges" % (len(xs), len(ys)),
                                             want_w, want_h, "" if ok else " WRONG"))
sys.exit(1 if failed else 0)
