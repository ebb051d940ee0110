#!/usr/bin/env python3
"""Start-up benchmark: time from process start until the end of the first window's first frame
(painted and flushed to the screen, stamped by the program itself), and the resident memory
then, for pipeweight and for a bare Qt window built in the same tree (and, to show the cost of
the font system that any window with text pays, the same window with one label). Then the
resident memory once settled, a second after the first frame (the gallery prepared in the idle
time), and after pipeweight's gallery has been opened. Last, the instructions each program runs
to the end of its first frame, counted under callgrind (see callgrind.py), which the machine's
load does not move as it moves the time, and where pipeweight's go beside the one-label
window's.

    bench/startup/startup.py [build folder] [runs] [memory runs] [--before <build folder>]...
                             [--counts <runs under callgrind>]    (default: build, 15, 5, 1)

With --before (which may be given more than once), the pipeweight built in another folder (an
earlier version, say) takes its turn with the rest, so that before and after are measured in
one run, on one machine state. 0 runs, memory runs or counts leave that part out.
Runs itself on a virtual X server (tests/xvfb-session) when no display is set. The programs take
turns, run after run.
Prints medians and the ratios pipeweight / bare window."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time

import callgrind

PROGRAMS = {
    "pipeweight": "pipeweight_startup_probe",
    "bare window": "bare_window_startup_probe",
    "text window": "text_window_startup_probe",
}


def probe_lines(executable, settled):
    """Runs the program and returns the probe's lines: name -> (value, resident KiB)."""
    environment = dict(os.environ)
    if settled:
        environment["STARTUP_PROBE"] = "settled"
    else:
        environment.pop("STARTUP_PROBE", None)
    output = subprocess.run([executable], capture_output=True, text=True, timeout=60,
                            env=environment).stdout
    lines = {}
    for line in output.splitlines():
        fields = line.split()
        if len(fields) == 6 and fields[2] == "rss-kb":
            lines[fields[0]] = (int(fields[1]), int(fields[3]))
    if "first-frame-ns" not in lines:
        raise RuntimeError(f"{executable} printed no first-frame line: {output!r}")
    return lines


def forget_cached_pages(executable):
    """Drops the program file's pages from the page cache. A program just linked is cached
    whole, and the kernel then maps cached neighbours of every page the program touches, so
    its resident memory would come out up to a megabyte higher than an older program's."""
    descriptor = os.open(executable, os.O_RDONLY)
    try:
        os.fsync(descriptor)
        os.posix_fadvise(descriptor, 0, 0, os.POSIX_FADV_DONTNEED)
    finally:
        os.close(descriptor)


def first_frame(executable):
    start = time.monotonic_ns()
    stamp, kb = probe_lines(executable, settled=False)["first-frame-ns"]
    return (stamp - start) / 1e6, kb


def mib(kb):
    return f"{kb / 1024:6.1f}"


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("runs", nargs="?", type=int, default=15)
    parser.add_argument("memory_runs", nargs="?", type=int, default=5)
    parser.add_argument("--before", action="append", default=[], metavar="BUILD")
    parser.add_argument("--counts", type=int, default=1, metavar="RUNS")
    return parser.parse_intermixed_args()


def main():
    options = arguments()
    build, runs, memory_runs = options.build, options.runs, options.memory_runs
    if options.counts > 0 and shutil.which("valgrind") is None:
        sys.exit("startup.py: the instruction counts need valgrind (scripts/deps test), "
                 "or --counts 0")
    if not os.environ.get("DISPLAY"):
        session = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                               "../../tests/xvfb-session")
        os.execv(session, [session, sys.executable, *sys.argv])
    executables = {name: os.path.join(build, "bench/startup", file)
                   for name, file in PROGRAMS.items()}
    for folder in options.before:
        name = "before: " + os.path.basename(os.path.normpath(folder))
        executables[name] = os.path.join(folder, "bench/startup", PROGRAMS["pipeweight"])

    for executable in executables.values():
        forget_cached_pages(executable)
        first_frame(executable)  # warm the file cache
    medians = {}
    if runs > 0:
        medians = time_first_frames(executables, runs)
    if memory_runs > 0:
        settled_memory(executables, memory_runs)
    if options.counts > 0:
        count_instructions(executables, options.counts, medians)


def time_first_frames(executables, runs):
    samples = {name: [] for name in executables}
    for _ in range(runs):
        for name, executable in executables.items():
            samples[name].append(first_frame(executable))
    medians = {}
    print(f"first frame, median of {runs} alternating runs")
    for name, values in samples.items():
        ms = statistics.median(v[0] for v in values)
        kb = statistics.median(v[1] for v in values)
        medians[name] = (ms, kb)
        print(f"  {name:22} {ms:7.1f} ms   resident {mib(kb)} MiB"
              f"   (fastest {min(v[0] for v in values):.1f} ms)")
    bare, text = medians["bare window"], medians["text window"]
    for name in [name for name in medians if name.startswith("before")] + ["pipeweight"]:
        ours = medians[name]
        print(f"  {name}: ratio to the bare window   time {ours[0] / bare[0]:.2f}"
              f"   memory {ours[1] / bare[1]:.2f}   (aim: at most 1.15 and 1.2)")
        print(f"  {name}: ratio to the text window   time {ours[0] / text[0]:.2f}"
              f"   memory {ours[1] / text[1]:.2f}")
    return medians


def settled_memory(executables, memory_runs):
    later = {name: [] for name in executables}
    for _ in range(memory_runs):
        for name, executable in executables.items():
            later[name].append(probe_lines(executable, settled=True))
    print(f"resident memory in MiB, median of {memory_runs} runs")
    print(f"  {'':22}   {'first frame':>11}   {'settled (1 s)':>13}   {'gallery opened':>14}")
    for name, runs_of_program in later.items():
        columns = []
        for line in ("first-frame-ns", "settled-ms", "dialog-frame-us"):
            kbs = [lines[line][1] for lines in runs_of_program if line in lines]
            columns.append(mib(statistics.median(kbs)) if kbs else "-")
        print(f"  {name:22}   {columns[0]:>11}   {columns[1]:>13}   {columns[2]:>14}")
    openings = [lines["dialog-frame-us"][0] / 1000 for lines in later["pipeweight"]
                if "dialog-frame-us" in lines]
    if openings:
        print(f"  gallery's first frame after its opening: median {statistics.median(openings):.1f} ms"
              f" (one 60 Hz frame is {1000 / 60:.1f} ms)")


def count_instructions(executables, runs, medians):
    counted = {name: [] for name in executables}
    for _ in range(runs):
        for name, executable in executables.items():
            counted[name].append(callgrind.count(executable))
    # The median run's profile, for the tables below too.
    profiles = {name: sorted(made, key=lambda p: p.total)[len(made) // 2]
                for name, made in counted.items()}
    text = profiles["text window"].total
    print(f"instructions to the end of the first frame (callgrind, every thread"
          f"{f', median of {runs} runs' if runs > 1 else ''})"
          f"{', and the resident memory then (median above)' if medians else ''}")
    for name, profile in profiles.items():
        totals = [p.total for p in counted[name]]
        spread = (f"   (runs {min(totals) / 1e6:.1f} to {max(totals) / 1e6:.1f})"
                  if runs > 1 else "")
        resident = f"   resident {mib(medians[name][1])} MiB" if name in medians else ""
        print(f"  {name:22} {profile.total / 1e6:6.1f} M   {profile.total / text:4.2f} x the "
              f"text window{resident}{spread}")
    print("  aims for pipeweight: at most 1.2 x the text window, 30 MiB")

    compared = [name for name in profiles if name.startswith("before")]
    compared += ["pipeweight", "text window"]
    heading = "".join(f"{name[:14]:>15}" for name in compared)
    print("where they go, in millions: each row all its functions ran, so rows overlap")
    print(f"  {'':56}{heading}")
    for label, functions in callgrind.COST_CENTRES:
        values = "".join(f"{profiles[name].inclusive(functions) / 1e6:15.1f}"
                         for name in compared)
        print(f"  {label:56}{values}")
    print("by object file, each function's own instructions, so rows add up to the totals")
    by_object = {name: profiles[name].by_object() for name in compared}
    ours, theirs = by_object["pipeweight"], by_object["text window"]
    objects = sorted(set(ours) | set(theirs),
                     key=lambda o: -abs(ours.get(o, 0) - theirs.get(o, 0)))[:10]
    for row in objects + ["others"]:
        values = ""
        for name in compared:
            costs = by_object[name]
            cost = (sum(c for o, c in costs.items() if o not in objects) if row == "others"
                    else costs.get(row, 0))
            values += f"{cost / 1e6:15.1f}"
        print(f"  {row:56}{values}")


if __name__ == "__main__":
    main()
