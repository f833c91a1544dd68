#!/usr/bin/env python3
"""Start-up time and peak memory of Ocuvance beside a bare Qt program.

Runs both programs alternately, each many times, and prints the median
wall-clock time from starting the process to its window being shown (the
program prints the monotonic clock at that moment; its exit is not counted)
and the largest resident set size seen.
"""
import os, statistics, subprocess, sys, time

TARGET_RATIO = 1.3

def measure(program, runs):
    """Median seconds to the first and to the last window shown, peak RSS."""
    firsts, times, peaks = [], [], []
    for _ in range(runs):
        start = time.clock_gettime(time.CLOCK_MONOTONIC)
        proc = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        out = proc.stdout.read()
        _, status, usage = os.wait4(proc.pid, 0)
        shown = [float(line.split()[1]) for line in out.splitlines() if line.startswith("shown ")]
        if not shown:
            sys.exit(f"{program} did not say when its window was shown")
        firsts.append(shown[0] - start)
        times.append(shown[-1] - start)
        peaks.append(usage.ru_maxrss)
        if status != 0:
            sys.exit(f"{program} failed with status {status}")
    return statistics.median(firsts), statistics.median(times), max(peaks)

def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    bare = os.path.join(build, "bench", "bench_bare_window")
    home = os.path.join(build, "bench", "bench_startup_home")
    measure(bare, 3); measure(home, 3)  # warm the file cache
    bare_runs, home_runs = [], []
    for _ in range(3):  # interleave so both see the same machine load
        bare_runs.append(measure(bare, runs // 3))
        home_runs.append(measure(home, runs // 3))
    def median(runs, i):
        return statistics.median(r[i] for r in runs)
    bt, bm = median(bare_runs, 1), max(r[2] for r in bare_runs)
    wt, ht, hm = median(home_runs, 0), median(home_runs, 1), max(r[2] for r in home_runs)
    def mark(ratio):
        return "" if ratio <= TARGET_RATIO else " (missed)"
    print(f"| start-up to Home shown | bare Qt window | {bt*1000:.1f} ms | Ocuvance to Home | {ht*1000:.1f} ms | {ht/bt:.2f}x{mark(ht/bt)} |")
    print(f"| start-up to first window shown | bare Qt window | {bt*1000:.1f} ms | Ocuvance to its welcome screen | {wt*1000:.1f} ms | {wt/bt:.2f}x |")
    print(f"| peak memory (RSS) | bare Qt window | {bm/1024:.1f} MiB | Ocuvance to Home | {hm/1024:.1f} MiB | {hm/bm:.2f}x{mark(hm/bm)} |")

main()
