#!/usr/bin/env python3
"""Table rows from bench_screens: each screen open, the eso road's hand-off
and the print beside their blank baselines (medians over the repeated runs)."""
import json, subprocess, sys

OPEN_RATIO, OPEN_FRAME_MS, PRINT_RATIO = 1.5, 1000 / 60, 1.2

def main():
    program = sys.argv[1]
    out = subprocess.run([program, "--benchmark_format=json"], check=True,
                         capture_output=True, text=True).stdout
    medians = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            # "open/Squint/iterations:1/repeats:25/manual_time" -> "open/Squint"
            run = "/".join(b["run_name"].split("/")[:2])
            medians[run] = b["real_time"]  # milliseconds
    missed = []
    for run, ms in medians.items():
        kind, _, name = run.partition("/")
        if kind not in ("open", "road", "print"):
            continue
        base = medians[("printblank/" if kind == "print" else "blank/") + name]
        ratio = ms / base
        if kind in ("open", "road"):
            what = f"open `{name}`" if kind == "open" else "eso road: hand-off to `Squint` computed"
            baseline = "blank window, same child count"
            ok = ratio <= OPEN_RATIO and ms < OPEN_FRAME_MS
        else:
            what, baseline = f"print `{name}` to PDF", "blank widget, same size"
            ok = ratio <= PRINT_RATIO
        mark = "" if ok else " (missed)"
        print(f"| {what} | {baseline} | {base:.2f} ms | Ocuvance | {ms:.2f} ms | {ratio:.2f}x{mark} |")
        if not ok:
            missed.append(what)
    if missed:
        print("Targets missed: " + ", ".join(missed), file=sys.stderr)

main()
