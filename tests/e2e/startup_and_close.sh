#!/usr/bin/env bash
# The real program starts, maps its main window with its caption, client size and position,
# and ends with exit code 0 when the window is closed as a window manager would close it.
set -uo pipefail
program="$1"
xdelete="$2"
source "$(dirname "$0")/lib.sh"

"$program" &
pid=$!
window=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1
expect_equal "$(client_geometry "$window")" "192 114 385 455" "main window client area"

"$xdelete" "$window"
wait_for_exit "$pid"
expect_equal "$?" 0 "exit code"
echo "PASS"
