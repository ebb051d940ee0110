#!/usr/bin/python3
"""atspi.py labels|active <application name> <window title>: reads a window of a running
program through the accessibility bus, as a screen reader reads it.

  labels  prints every label of the window as "left<TAB>top<TAB>text", window-relative;
  active  exits with 0 when the window is the active one, 1 when not."""

import sys
import time

import pyatspi


def find_window(app_name, title):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None or app.name != app_name:
                continue
            for child in range(app.childCount):
                window = app.getChildAtIndex(child)
                if window is not None and window.name == title:
                    return window
        time.sleep(0.1)
    sys.exit(f"no window '{title}' of '{app_name}' on the accessibility bus")


def labels(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_LABEL:
            yield child
        yield from labels(child)


def print_labels(window):
    origin = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for label in labels(window):
        box = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"{box.x - origin.x}\t{box.y - origin.y}\t{label.name}")


def main():
    command, app_name, title = sys.argv[1:4]
    window = find_window(app_name, title)
    if command == "labels":
        print_labels(window)
    elif command == "active":
        sys.exit(0 if window.getState().contains(pyatspi.STATE_ACTIVE) else 1)
    else:
        sys.exit(f"unknown command '{command}'")


if __name__ == "__main__":
    main()
