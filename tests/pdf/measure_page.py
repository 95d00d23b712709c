"""Measures a printed page rendered without anti-aliasing (pdftoppm -aa no -aaVector no):
the calibration square, drawn in dark grey (128, 128, 128), and the box round the long black
lines of a pattern piece, both in inches between the middles of their edge lines.

usage: measure_page.py PAGE.ppm DPI [--square SIDE] [--box WIDTH HEIGHT]
Prints what it measured; exits 1 when a size differs from the one given by more than 0.01 in.
"""
import sys

TOLERANCE = 0.01  # inches


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:  # magic, width, height, maximum value
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(path + ": not an 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + 3 * width * height]


def edge_lines(width, height, pixels, colour, least):
    """The middles of the runs of columns and of rows that hold an unbroken line of at least
    `least` pixels of the colour (text never does), as two lists (x then y), each middle
    weighted by the length of the lines in its columns or rows."""
    by_column, by_row = {}, {}
    wanted = bytes(colour)
    start = 0
    while True:
        i = pixels.find(wanted, start)
        if i < 0:
            break
        if i % 3 == 0:
            x, y = (i // 3) % width, (i // 3) // width
            by_column.setdefault(x, []).append(y)
            by_row.setdefault(y, []).append(x)
            start = i + 3
        else:
            start = i + 1

    def longest_run(positions):
        best = run = 1
        for a, b in zip(positions, positions[1:]):
            run = run + 1 if b == a + 1 else 1
            best = max(best, run)
        return best

    def middles(lines, size):
        counts = [0] * (size + 1)
        for index, positions in lines.items():
            run = longest_run(sorted(positions))
            counts[index] = run if run >= least else 0
        found, run = [], []
        for index, count in enumerate(counts):
            if count:
                run.append((index, count))
            elif run:
                total = sum(c for _, c in run)
                found.append(sum(i * c for i, c in run) / total)
                run = []
        return found

    return middles(by_column, width), middles(by_row, height)


def size_of(name, width, height, pixels, colour, dpi):
    xs, ys = edge_lines(width, height, pixels, colour, dpi)  # edges an inch long at least
    if len(xs) != 2 or len(ys) != 2:
        sys.exit("%s: expected two edges each way, found %d across and %d down"
                 % (name, len(xs), len(ys)))
    return (xs[1] - xs[0]) / dpi, (ys[1] - ys[0]) / dpi


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        sys.exit(__doc__)
    path, dpi = args[0], float(args[1])
    width, height, pixels = read_ppm(path)
    checks = []
    rest = args[2:]
    while rest:
        if rest[0] == "--square" and len(rest) >= 2:
            checks.append(("square", (128, 128, 128), float(rest[1]), float(rest[1])))
            rest = rest[2:]
        elif rest[0] == "--box" and len(rest) >= 3:
            checks.append(("box", (0, 0, 0), float(rest[1]), float(rest[2])))
            rest = rest[3:]
        else:
            sys.exit(__doc__)
    failed = False
    for name, colour, want_w, want_h in checks:
        got_w, got_h = size_of(name, width, height, pixels, colour, dpi)
        ok = abs(got_w - want_w) <= TOLERANCE and abs(got_h - want_h) <= TOLERANCE
        failed = failed or not ok
        print("%s %.4f x %.4f in (expected %.4f x %.4f)%s"
              % (name, got_w, got_h, want_w, want_h, "" if ok else " WRONG"))
    sys.exit(1 if failed else 0)


main()
