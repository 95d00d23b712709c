"""Checks the panel report of a pattern run: the JSON on stdout against panels.txt.

Usage: patterns_report.py REPORT_JSON PANELS_TXT NAMES [SEAM LENGTH]
NAMES is the comma-separated list of panels the run develops, in order. With SEAM and LENGTH the
report must carry those tolerances and call every panel and bulkhead ok.
"""
import json
import math
import sys


def reject(constant):
    raise ValueError("not JSON: %s" % constant)


def walk(value, path, failures):
    """Every value of the document: no null, every number finite."""
    if value is None:
        failures.append("%s is null" % path)
    elif isinstance(value, float) and not math.isfinite(value):
        failures.append("%s is %r" % (path, value))
    elif isinstance(value, dict):
        for key, item in value.items():
            walk(item, "%s.%s" % (path, key), failures)
    elif isinstance(value, list):
        for index, item in enumerate(value):
            walk(item, "%s[%d]" % (path, index), failures)


def main():
    with open(sys.argv[1], encoding="utf-8") as stream:
        report = json.load(stream, parse_constant=reject)
    with open(sys.argv[2], newline="", encoding="utf-8") as stream:
        text = stream.read()
    names = sys.argv[3].split(",")
    failures = []
    walk(report, "report", failures)

    if text.replace("\r\n", "").count("\n") or text.replace("\r\n", "").count("\r"):
        failures.append("panels.txt has line ends other than CR LF")
    lines = text.split("\r\n")
    got = [panel["name"] for panel in report["panels"]]
    if got != names:
        failures.append("panels %s, expected %s" % (got, names))

    # The text and the JSON tell the same story, panel by panel.
    verdicts = [line.split(": ", 1)[1] for line in lines if line.startswith("  Verdict: ")]
    if verdicts[:-1] != [panel["verdict"] for panel in report["panels"]]:
        failures.append("verdicts differ: %s" % verdicts)
    if verdicts[-1] != report["totals"]["verdict"]:
        failures.append("overall verdict differs: %s" % verdicts[-1])
    sheets = [line for line in lines if line.startswith("  Sheets: ")]
    if not sheets or not sheets[0].startswith("  Sheets: %d of 48 x 96 in, an estimate" %
                                              report["totals"]["sheets"]):
        failures.append("sheets differ: %s" % sheets)
    for panel in report["panels"]:
        heading = "%s: " % panel["name"]
        size = lines[lines.index(next(l for l in lines if l.startswith(heading))) + 1]
        if size != "  Size: %.2f x %.2f in, area %.2f sq ft" % (
                panel["length"], panel["width"], panel["area"]):
            failures.append("%s: '%s'" % (panel["name"], size))
        longest = max(piece["length"] for piece in panel["pieces"])
        if longest > 96 + 1e-9 or (panel["fitsSheet"] and panel["scarfJoints"]):
            failures.append("%s: pieces up to %g in" % (panel["name"], longest))

    if len(sys.argv) > 4:
        wanted = {"seam": float(sys.argv[4]), "length": float(sys.argv[5])}
        if report["tolerances"] != wanted:
            failures.append("tolerances %s, expected %s" % (report["tolerances"], wanted))
        if report["totals"]["failedPanels"] or report["totals"]["failedBulkheads"]:
            failures.append("panels or bulkheads fail tolerances of %s" % wanted)
        if any(panel["verdict"] != "ok" for panel in report["panels"]):
            failures.append("a panel is not ok")

    if failures:
        print("\n".join(failures))
        return 1
    print("%d panels, %d sheets" % (len(got), report["totals"]["sheets"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
