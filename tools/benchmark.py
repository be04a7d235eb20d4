#!/usr/bin/python3
"""Start-up time and peak memory of karvela against the toolkit's floor.

Usage: benchmark.py KARVELA FLOOR [RUNS]; run it inside an X server (xvfb-run).
The start-up time runs from just before the process is started to the moment its
first window has been painted; the peak memory is the process's maximum resident
set size, read from the kernel when it has ended.
"""

import os
import statistics
import subprocess
import sys
import time


def one_run(command):
    env = dict(os.environ, LANG="tr_TR.UTF-8")
    started = time.time_ns()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    line = process.stdout.readline().split()
    _, status, usage = os.wait4(process.pid, 0)
    if len(line) != 2 or line[0] != "painted" or status != 0:
        raise SystemExit(f"{command}: no painted window (status {status})")
    return (int(line[1]) - started) / 1e6, usage.ru_maxrss / 1024


def measure(command, runs):
    one_run(command)  # warm the page cache
    results = [one_run(command) for _ in range(runs)]
    return statistics.median(r[0] for r in results), statistics.median(r[1] for r in results)


def main():
    karvela, floor = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
    floor_ms, floor_mb = measure([floor], runs)
    text_ms, text_mb = measure([floor, "--text"], runs)
    karvela_ms, karvela_mb = measure([karvela], runs)
    print(f"runs each:         {runs}")
    print(f"start-up (median): karvela {karvela_ms:7.1f} ms   floor {floor_ms:7.1f} ms   ratio {karvela_ms / floor_ms:.2f} (goal <= 1.25)")
    print(f"peak RSS (median): karvela {karvela_mb:7.1f} MiB  floor {floor_mb:7.1f} MiB  ratio {karvela_mb / floor_mb:.2f} (goal <= 1.15)")
    print(f"for comparison, the floor with one line of text: {text_ms:.1f} ms, {text_mb:.1f} MiB;"
          f" karvela against it: start-up {karvela_ms / text_ms:.2f}, memory {karvela_mb / text_mb:.2f}")


if __name__ == "__main__":
    main()
