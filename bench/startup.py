#!/usr/bin/env python3
"""Start-up time and peak memory of Ocuvance beside a plain Qt program.

Four programs, run in turn many times over: the plain program showing one
window, Ocuvance to its welcome screen (its first window), the plain program
showing three windows in turn, and Ocuvance to Home (welcome screen, terms,
Home). Each prints the monotonic clock when the window it stops at is shown
and painted, so its exit is not counted. Prints the median time from
starting the process to that moment and the median peak resident set size;
each ratio is the median of the ratios of the pairs that ran one after the
other.
"""
import os, statistics, subprocess, sys, time

FIRST_RATIO, HOME_RATIO, MEMORY_RATIO = 1.15, 1.4, 1.15

def run(command):
    """Seconds to the last window shown, peak RSS in KiB."""
    start = time.clock_gettime(time.CLOCK_MONOTONIC)
    proc = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    out = proc.stdout.read()
    _, status, usage = os.wait4(proc.pid, 0)
    shown = [float(line.split()[1]) for line in out.splitlines() if line.startswith("shown ")]
    if status != 0 or not shown:
        sys.exit(f"{' '.join(command)} failed (status {status}) or did not say when its window was shown")
    return shown[-1] - start, usage.ru_maxrss

def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    plain = os.path.join(build, "bench", "bench_plain_windows")
    ours = os.path.join(build, "bench", "bench_startup_home")
    programs = {"plain 1": [plain, "1"], "ours 1": [ours, "1"], "plain 3": [plain, "3"], "ours 3": [ours, "3"]}
    for command in programs.values():  # the file cache warmed alike
        for _ in range(3):
            run(command)
    times = {name: [] for name in programs}
    peaks = {name: [] for name in programs}
    for _ in range(runs):  # in turn, so that all see the same machine load
        for name, command in programs.items():
            seconds, peak = run(command)
            times[name].append(seconds * 1000)
            peaks[name].append(peak / 1024)

    def row(measure, baseline, base, subject, ours, unit, ratio, target):
        mark = "" if ratio <= target else " (missed)"
        print(f"| {measure} | {baseline} | {base:.1f} {unit} | {subject} | {ours:.1f} {unit} | {ratio:.2f}x{mark} |")

    t = {name: statistics.median(v) for name, v in times.items()}
    m = {name: statistics.median(v) for name, v in peaks.items()}
    # Ratios are the medians of each turn's ratio: the two programs of a pair
    # ran one after the other, so a burst of load weighs on both alike.
    def paired(values, plain, ours):
        return statistics.median(o / p for p, o in zip(values[plain], values[ours]))
    row("start-up to the first window", "plain Qt program, one window", t["plain 1"],
        "to its welcome screen", t["ours 1"], "ms", paired(times, "plain 1", "ours 1"), FIRST_RATIO)
    row("start-up to Home", "plain Qt program, three windows in turn", t["plain 3"],
        "welcome screen, terms, Home", t["ours 3"], "ms", paired(times, "plain 3", "ours 3"), HOME_RATIO)
    row("peak memory (RSS) to the first window", "plain Qt program, one window", m["plain 1"],
        "to its welcome screen", m["ours 1"], "MiB", paired(peaks, "plain 1", "ours 1"), MEMORY_RATIO)
    row("peak memory (RSS) to Home", "plain Qt program, three windows in turn", m["plain 3"],
        "welcome screen, terms, Home", m["ours 3"], "MiB", paired(peaks, "plain 3", "ours 3"), MEMORY_RATIO)
    spread = {name: (min(v), max(v)) for name, v in times.items()}
    print("start-up runs: " + ", ".join(f"{name} {lo:.1f} to {hi:.1f} ms" for name, (lo, hi) in spread.items()),
          file=sys.stderr)

main()
