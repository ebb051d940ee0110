#!/usr/bin/env bash
# "VORDEK" opens the résumé window modally; next and previous step through the slides and the
# heading follows, read as a screen reader reads it; the calculator cannot close while the
# gallery is open; closing the gallery hides it and the next opening shows the same slide.
# Leaves screenshots of the gallery and of a slide in the working folder.
set -uo pipefail
program="$1"
xdelete="$2"
source "$(dirname "$0")/lib.sh"
start_accessibility_bus

heading() {
    label_at "$(read_labels pipeweight Resume)" 460 12
}

"$program" &
pid=$!
calculator=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1

click_at "$calculator" 344 36                 # "VORDEK"
resume=$(wait_for_window Resume) || exit 1
expect_equal "$(client_geometry "$resume")" "360 251 590 391" "résumé window client area"
expect_eventually "طراحي نوار نقاله" "heading before any slide" heading
wait_until "the gallery active" window_active pipeweight Resume
settled_screenshot "$resume" gallery.png

# Blocked while the gallery is open. The program handles its events in the order they came, so
# once the clicks that follow have shown slide 2, the close request has been dealt with.
"$xdelete" "$calculator"
click_at "$resume" 462 123                    # next: slide 1
click_at "$resume" 462 123                    # next: slide 2
expect_eventually "طراحي مارپيچها" "heading on slide 2" heading
kill -0 "$pid" || { echo "FAIL: the calculator closed under the gallery" >&2; exit 1; }
expect_equal "$(shown_windows 'Pipe Weight \(Sch\)')" "$calculator" "the calculator under the gallery"

click_at "$resume" 462 182                    # previous: slide 1
click_at "$resume" 462 182                    # previous: slide 10
expect_eventually "طراحي سه بعدی" "heading on slide 10" heading
settled_screenshot "$resume" slide.png

"$xdelete" "$resume"                          # closing only hides it
expect_eventually "" "gallery windows shown after closing" shown_windows Resume
click_at "$calculator" 344 36
resume=$(wait_for_window Resume) || exit 1
expect_eventually "طراحي سه بعدی" "heading after reopening" heading
"$xdelete" "$resume"
expect_eventually "" "gallery windows shown after closing again" shown_windows Resume

"$xdelete" "$calculator"
wait_for_exit "$pid"
expect_equal "$?" 0 "exit code"
echo "PASS"
