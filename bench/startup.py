#!/usr/bin/env python3
"""Start-up time and peak memory of Ocuvance beside a bare Qt program.

Runs both programs alternately, each many times, and prints the median
wall-clock time from process start to its window being shown and the
largest resident set size seen.
"""
import os, statistics, subprocess, sys, time

def measure(program, runs):
    times, peaks = [], []
    for _ in range(runs):
        start = time.perf_counter()
        proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(proc.pid, 0)
        times.append(time.perf_counter() - start)
        peaks.append(usage.ru_maxrss)
        if status != 0:
            sys.exit(f"{program} failed with status {status}")
    return statistics.median(times), max(peaks)

def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    bare = os.path.join(build, "bench", "bench_bare_window")
    home = os.path.join(build, "bench", "bench_startup_home")
    measure(bare, 3); measure(home, 3)  # warm the file cache
    rows = []
    bare_t, bare_m, home_t, home_m = [], [], [], []
    for _ in range(3):  # interleave so both see the same machine load
        t, m = measure(bare, runs // 3); bare_t.append(t); bare_m.append(m)
        t, m = measure(home, runs // 3); home_t.append(t); home_m.append(m)
    bt, bm = statistics.median(bare_t), max(bare_m)
    ht, hm = statistics.median(home_t), max(home_m)
    print(f"| start-up to window shown | bare Qt window | {bt*1000:.1f} ms | Ocuvance to Home | {ht*1000:.1f} ms | {ht/bt:.2f}x |")
    print(f"| peak memory (RSS)        | bare Qt window | {bm/1024:.1f} MiB | Ocuvance to Home | {hm/1024:.1f} MiB | {hm/bm:.2f}x |")

main()
