#!/usr/bin/env python3
"""Start-up of the Windows program under Wine: the time from starting the process until its
window is on the screen with all of its content, for pipeweight.exe and for the empty window
built against the same Qt (bench/windows/size.py builds it), for one Windows build or several.

    bench/windows/startup.py [runs] [Windows build folder] [--before <Windows build folder>]...
                                                                (default: 15, build-windows)

The window is watched from the X server, as a user sees it: the screen is read every few
milliseconds from the moment the program starts; the program's window counts as on the screen
at the first reading that shows one of the pictures it settles on (those of its last 1.5 s of
the 3 s it is watched after it first appears: a blinking caret alternates between two). Wine's own start-up is in
every time, alike for every program: one Wine session, started before the first run, serves
all of them. The programs take turns, run after run, so that before and after are measured on
one machine state. Runs on a virtual X server (tests/xvfb-session) when no display is set.
Prints medians, and each program's ratio to its empty window."""

import ctypes
import ctypes.util
import os
import statistics
import subprocess
import sys
import time
import zlib

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import size  # noqa: E402

POLL_SECONDS = 0.005
WATCH_SECONDS = 3.0
SETTLE_SECONDS = 1.5
DEADLINE_SECONDS = 60


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class Image(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
IS_VIEWABLE = 2
Z_PIXMAP = 2


class Screen:
    """The X server's top-level windows and their pixels, read through Xlib."""

    def __init__(self):
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 4
        self.x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(Image)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(Image)]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("cannot open the X display")
        # A window may go between listing and reading it: that error is no reason to stop.
        self.ignore_errors = ERROR_HANDLER(lambda display, event: 0)
        self.x.XSetErrorHandler(self.ignore_errors)
        self.root = self.x.XDefaultRootWindow(self.display)

    def shown_windows(self):
        """The viewable top-level windows of a useful size: (window, width, height)."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, self.root, ctypes.byref(root),
                                 ctypes.byref(parent), ctypes.byref(children),
                                 ctypes.byref(count)):
            return []
        windows = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        shown = []
        for window in windows:
            attributes = WindowAttributes()
            if (self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes))
                    and attributes.map_state == IS_VIEWABLE and attributes.width >= 100
                    and attributes.height >= 100):
                shown.append((window, attributes.width, attributes.height))
        return shown

    def picture(self, window, width, height):
        """A checksum of the window's pixels, or None when it cannot be read."""
        image = self.x.XGetImage(self.display, window, 0, 0, width, height, ~0 & 0xFFFFFFFF,
                                 Z_PIXMAP)
        if not image:
            return None
        contents = image.contents
        checksum = zlib.crc32(ctypes.string_at(contents.data,
                                               contents.bytes_per_line * contents.height))
        self.x.XDestroyImage(image)
        return checksum


def wine_environment(prefix):
    environment = dict(os.environ)
    environment.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
                       LANG="C.UTF-8")
    for name in ("LC_ALL", "LC_NUMERIC"):
        environment.pop(name, None)
    return environment


def time_to_window(screen, executable, environment):
    """Milliseconds from the process's start to its window on the screen, settled."""
    readings = []
    start = time.monotonic()
    program = subprocess.Popen(["wine", executable], env=environment, cwd=os.path.dirname(executable),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        first_seen = None
        while True:
            now = time.monotonic()
            if now - start > DEADLINE_SECONDS:
                raise RuntimeError(f"{executable} showed no window in {DEADLINE_SECONDS} s")
            if program.poll() is not None:
                raise RuntimeError(f"{executable} ended with {program.returncode} before settling")
            shown = screen.shown_windows()
            if shown:
                checksum = screen.picture(*max(shown, key=lambda w: w[1] * w[2]))
                if checksum is not None:
                    first_seen = first_seen or now
                    readings.append((now - start, checksum))
            if first_seen is not None and now - first_seen > WATCH_SECONDS:
                break
            time.sleep(POLL_SECONDS)
    finally:
        program.terminate()
        program.wait()
    settled = {checksum for at, checksum in readings if at >= readings[-1][0] - SETTLE_SECONDS}
    return next(at for at, checksum in readings if checksum in settled) * 1000


def main():
    arguments = sys.argv[1:]
    before = []
    while "--before" in arguments:
        at = arguments.index("--before")
        before.append(arguments[at + 1])
        del arguments[at:at + 2]
    runs = int(arguments[0]) if len(arguments) > 0 else 15
    build = arguments[1] if len(arguments) > 1 else "build-windows"
    if not os.environ.get("DISPLAY"):
        session = os.path.join(SOURCE, "tests", "xvfb-session")
        os.execv(session, [session, sys.executable, *sys.argv])

    programs = {}
    for folder, label in [(build, "")] + [(folder, "before: ") for folder in before]:
        name = label + os.path.basename(os.path.normpath(folder))
        size.yardstick(folder)
        programs[f"{name}: pipeweight"] = os.path.abspath(os.path.join(folder, "bin",
                                                                       "pipeweight.exe"))
        programs[f"{name}: empty window"] = os.path.abspath(
            os.path.join(folder, "bare-window", "bare_window.exe"))
    environment = wine_environment(os.path.abspath(os.path.join(build, "wine-bench")))
    subprocess.run([os.path.join(build, "wine-run"), "--prepare"], env=environment, check=True)
    subprocess.run(["wineserver", "-p"], env=environment, check=True)
    # Not into a pipe: the session's services that wineboot starts would hold it open.
    subprocess.run(["wineboot"], env=environment, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    try:
        screen = Screen()
        for executable in programs.values():
            time_to_window(screen, executable, environment)  # warm the file cache and Wine
        samples = {name: [] for name in programs}
        for _ in range(runs):
            for name, executable in programs.items():
                samples[name].append(time_to_window(screen, executable, environment))
    finally:
        subprocess.run(["wineserver", "-k"], env=environment, check=False)
        subprocess.run(["wineserver", "-w"], env=environment, check=False)
    print(f"window on the screen, settled, under Wine: median of {runs} alternating runs")
    medians = {}
    for name, values in samples.items():
        medians[name] = statistics.median(values)
        print(f"  {name:40} {medians[name]:7.0f} ms   (fastest {min(values):.0f} ms,"
              f" slowest {max(values):.0f} ms)")
    for name in programs:
        if name.endswith(": pipeweight"):
            bare = medians[name.replace(": pipeweight", ": empty window")]
            print(f"  {name}: ratio to its empty window {medians[name] / bare:.2f}")


if __name__ == "__main__":
    main()
