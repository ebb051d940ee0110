#!/usr/bin/env python3
"""Start-up benchmark: time from process start until the first window is painted, and the
resident memory then, for pipeweight and for a bare Qt window built in the same tree (and, to
show the cost of the font system that any window with text pays, the same window with one
label).

    bench/startup/startup.py [build folder] [runs]     (default: build, 15)

Runs itself under xvfb-run when no display is set. Prints medians and the ratios
pipeweight / bare window."""

import os
import statistics
import subprocess
import sys
import time


def measure(executable):
    start = time.monotonic_ns()
    output = subprocess.run([executable], capture_output=True, text=True, timeout=60).stdout
    for line in output.splitlines():
        fields = line.split()
        if fields and fields[0] == "first-paint-ns":
            return (int(fields[1]) - start) / 1e6, int(fields[3])
    raise RuntimeError(f"{executable} printed no first-paint line: {output!r}")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
                               sys.executable, *sys.argv])
    programs = {
        "pipeweight": os.path.join(build, "bench/startup/pipeweight_startup_probe"),
        "bare window": os.path.join(build, "bench/startup/bare_window_startup_probe"),
        "text window": os.path.join(build, "bench/startup/text_window_startup_probe"),
    }
    samples = {name: [] for name in programs}
    for name, executable in programs.items():
        measure(executable)  # warm the file cache
    for _ in range(runs):
        for name, executable in programs.items():
            samples[name].append(measure(executable))
    medians = {}
    for name, values in samples.items():
        ms = statistics.median(v[0] for v in values)
        kb = statistics.median(v[1] for v in values)
        medians[name] = (ms, kb)
        print(f"{name:12} first paint {ms:7.1f} ms   resident {kb / 1024:6.1f} MiB   (median of {runs})")
    ours, bare, text = medians["pipeweight"], medians["bare window"], medians["text window"]
    print(f"ratio to the bare window   time {ours[0] / bare[0]:.2f}   memory {ours[1] / bare[1]:.2f}"
          "   (aim: at most 1.15 and 1.2)")
    print(f"ratio to the text window   time {ours[0] / text[0]:.2f}   memory {ours[1] / text[1]:.2f}")


if __name__ == "__main__":
    main()
