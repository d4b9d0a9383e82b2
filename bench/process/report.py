#!/usr/bin/env python3
"""The process bench's table: Teclora beside TIPP10 (when it was measured), medians of the
starts of one run, with the ratio Teclora / TIPP10 and Teclora's goal, and beside them what a bare
Qt widget that repaints a square on every key costs the same way (the floor, when measured; not
for a figure that depends on the window's size, as the bare widget's window is 400 x 300)."""
import csv, os, re, sys

from summarize import summarise

FIGURES = [  # (column, heading, scale, format, goal, whether the bare widget's figure compares)
    ("idle_pre_pct", "CPU while a drill is open and nobody types (% of a core)", 1, "{:.2f}", "<= 0.3", True),
    ("idle_post_pct", "CPU after typing, nobody types (% of a core)", 1, "{:.2f}", "<= 0.3", True),
    ("rss_kb", "resident memory 2 s after the window maps (MB)", 1 / 1024, "{:.1f}", "<= 39", True),
    ("rss_end_kb", "resident memory during the drill, window 1366 x 768 (MB)", 1 / 1024,
     "{:.1f}", "", False),
    ("cpu_ms_per_key", "CPU per keystroke in the program (ms)", 1, "{:.2f}", "<= 0.8", True),
    ("xvfb_ms_per_key", "CPU per keystroke in the X server (ms)", 1, "{:.2f}", "", True),
    ("map_ms", "first window mapped (ms)", 1, "{:.0f}", "<= 50", True),
]
LATENCY = re.compile(r"^(\S+) keys (\d+) painted (\d+) missed (\d+)\s+median ([\d.]+) ms\s+p90 ([\d.]+)\s+p99 ([\d.]+)")


def medians(path):
    if not os.path.exists(path):
        return None
    with open(path, newline="") as fh:
        rows = list(csv.DictReader(fh))
    return (len(rows), summarise(rows)) if rows else None


def ratio(ours, theirs):
    return f"{ours / theirs:.2f}" if theirs else "-"


def main(out):
    ours, theirs = medians(os.path.join(out, "teclora.csv")), medians(os.path.join(out, "tipp10.csv"))
    floor = medians(os.path.join(out, "bare-qt.csv"))
    if ours is None:
        sys.exit(f"{out}: no Teclora figures")
    starts = f"{ours[0]} starts" + (f" each, {theirs[0]} of TIPP10" if theirs else "")
    print(f"Medians of {starts}; ratio = Teclora / TIPP10.\n")
    print("| figure | Teclora | TIPP10 | ratio | goal | bare Qt widget |")
    print("| --- | --- | --- | --- | --- | --- |")
    for column, heading, scale, form, goal, floor_compares in FIGURES:
        mine = ours[1][column][0] * scale
        peer = theirs[1][column][0] * scale if theirs else None
        print(f"| {heading} | {form.format(mine)} | {form.format(peer) if peer is not None else '-'} | "
              f"{ratio(mine, peer) if peer is not None else '-'} | {goal} | "
              f"{form.format(floor[1][column][0] * scale) if floor and floor_compares else '-'} |")

    path = os.path.join(out, "latency.txt")
    runs = [m.groups() for m in map(LATENCY.match, open(path)) if m] if os.path.exists(path) else []
    if not runs:
        return
    peer = next((r for r in runs if r[0].startswith("tipp10")), None)
    print("\nKey to paint (ms; goal for Teclora: median <= 0.6, p99 <= 1.5):\n")
    print("| program @ screen | keys | median | p90 | p99 | median ratio | p99 ratio |")
    print("| --- | --- | --- | --- | --- | --- | --- |")
    for name, keys, painted, missed, median, p90, p99 in runs:
        cells = f"| {name} | {painted} of {keys} | {median} | {p90} | {p99} |"
        if peer is not None and name.startswith("teclora"):
            cells += f" {ratio(float(median), float(peer[4]))} | {ratio(float(p99), float(peer[6]))} |"
        else:
            cells += " - | - |"
        print(cells)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/teclora-process-bench")
