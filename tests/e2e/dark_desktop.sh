#!/usr/bin/env bash
# Under a desktop that asks for a dark colour scheme (a KDE session whose kdeglobals holds
# Breeze Dark), the calculator and the gallery look exactly as they do on a plain desktop:
# screenshots of both windows are compared pixel for pixel. First palette_probe, a Qt program
# with no palette of its own, must get the scheme's window colour in that very environment:
# were the scheme lost on its way to Qt, both desktops would look the same to any program.
set -uo pipefail
program="$1"
xdelete="$2"
palette_probe="$3"
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

# The window colour a colour scheme file gives, as #rrggbb; nothing when it gives none.
scheme_window_colour() {
    awk -F= '/^\[/ { group = $0 }
             group == "[Colors:Window]" && $1 == "BackgroundNormal" {
                 split($2, rgb, ","); printf "#%02x%02x%02x\n", rgb[1], rgb[2], rgb[3]; exit
             }' "$1"
}

scheme="$(dirname "$0")/dark-desktop/kdeglobals"
dark_window=$(scheme_window_colour "$scheme")
if [ -z "$dark_window" ]; then
    echo "FAIL: $scheme gives no window colour ([Colors:Window] BackgroundNormal)" >&2
    exit 1
fi
mkdir -p "$work/config"
cp "$scheme" "$work/config/"
dark=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/config")

plain_window=$("$palette_probe") || { echo "FAIL: palette_probe failed" >&2; exit 1; }
if [ "$plain_window" = "$dark_window" ]; then
    echo "FAIL: the plain run's environment already gives Qt the dark window colour" >&2
    exit 1
fi
probed=$(env "${dark[@]}" "$palette_probe") || { echo "FAIL: palette_probe failed" >&2; exit 1; }
expect_equal "$probed" "$dark_window" \
    "the dark scheme reaching Qt: a program's window colour (plain desktop: $plain_window)"

screenshots plain
screenshots dark "${dark[@]}"

for window in calculator gallery; do
    differing=$(compare -metric AE "$work/plain-$window.png" "$work/dark-$window.png" null: 2>&1)
    expect_equal "$differing" 0 "pixels of the $window that the dark desktop changed"
done
echo "PASS"
