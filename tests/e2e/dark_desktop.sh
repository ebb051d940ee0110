#!/usr/bin/env bash
# Under a desktop that asks for a dark colour scheme (a KDE session whose kdeglobals holds
# Breeze Dark), the calculator and the gallery look exactly as they do on a plain desktop:
# screenshots of both windows are compared pixel for pixel.
set -uo pipefail
program="$1"
xdelete="$2"
source "$(dirname "$0")/lib.sh"
start_accessibility_bus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Starts the program with the given environment and screenshots both windows as <name>-*.png.
screenshots() {
    local name="$1" pid calculator resume
    shift
    env "$@" "$program" &
    pid=$!
    calculator=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1
    # Active, so that its focused control shows its focus, and drawn.
    wait_until "the calculator active ($name)" window_active pipeweight 'Pipe Weight (Sch)'
    settled_screenshot "$calculator" "$work/$name-calculator.png"
    click_at "$calculator" 344 36             # "VORDEK"
    resume=$(wait_for_window Resume) || exit 1
    wait_until "the gallery active ($name)" window_active pipeweight Resume
    settled_screenshot "$resume" "$work/$name-gallery.png"
    "$xdelete" "$resume"
    expect_eventually "" "gallery windows shown after closing ($name)" shown_windows Resume
    "$xdelete" "$calculator"
    wait_for_exit "$pid"
    expect_equal "$?" 0 "exit code ($name)"
}

mkdir -p "$work/config"
cp "$(dirname "$0")/dark-desktop/kdeglobals" "$work/config/"
screenshots plain
screenshots dark XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/config"

for window in calculator gallery; do
    differing=$(compare -metric AE "$work/plain-$window.png" "$work/dark-$window.png" null: 2>&1)
    expect_equal "$differing" 0 "pixels of the $window that the dark desktop changed"
done
echo "PASS"
