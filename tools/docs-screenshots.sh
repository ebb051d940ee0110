#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Xvfb, at one and at two device
# pixels per logical pixel: docs/calculator.png after computing 4 pieces of 6" Sch 80, 6000 mm
# long, docs/gallery.png and docs/slide.png (slide 10), and the same with @2x in their names.
#   tools/docs-screenshots.sh [build folder]        (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
if [ -z "${DISPLAY:-}" ]; then
    exec dbus-run-session -- tests/xvfb-session --screen 2560x2048x24 "$0" "$@"
fi
source tests/e2e/lib.sh
start_accessibility_bus

# Clicks at a position given in the window's logical pixels.
click_logical() {
    xdotool mousemove --window "$1" "$(($2 * scale))" "$(($3 * scale))" click 1
}

# Succeeds when a label of the program's window titled $1 reads $2, as a screen reader reads it.
shows_label() {
    read_labels pipeweight "$1" | cut -f 3 | grep -qF "$2"
}

shoot() {
    scale="$1"
    local suffix="$2" pid calculator resume
    QT_SCALE_FACTOR="$scale" "$build/app/pipeweight" &
    pid=$!
    calculator=$(wait_for_window 'Pipe Weight \(Sch\)')
    enter_sch80_example click_logical "$calculator"
    wait_until "the results" shows_label 'Pipe Weight (Sch)' '1020.3 kg'
    settled_screenshot "$calculator" "docs/calculator$suffix.png"
    click_logical "$calculator" 344 36            # "VORDEK"
    resume=$(wait_for_window Resume)
    wait_until "the gallery active" window_active pipeweight Resume
    settled_screenshot "$resume" "docs/gallery$suffix.png"
    click_logical "$resume" 462 182               # previous: slide 10
    wait_until "slide 10" shows_label Resume '( 3D Drawing )'
    settled_screenshot "$resume" "docs/slide$suffix.png"
    "$build/tests/e2e/xdelete" "$resume"
    expect_eventually "" "gallery windows shown after closing" shown_windows Resume
    "$build/tests/e2e/xdelete" "$calculator"
    wait_for_exit "$pid"
}

shoot 1 ""
shoot 2 "@2x"
