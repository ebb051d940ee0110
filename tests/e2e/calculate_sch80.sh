#!/usr/bin/env bash
# Sch 80 by its thumbnail, 6" picked from the list, 6000 mm and 4 pieces typed, " Calc."
# pressed with the mouse: the three result labels must read what the calculation core
# computes for the same inputs. Leaves a screenshot of the window in the working folder.
set -uo pipefail
program="$1"
xdelete="$2"
expected_results="$3"
source "$(dirname "$0")/lib.sh"
start_accessibility_bus

"$program" &
pid=$!
window=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1

enter_sch80_example click_at "$window"

result() {
    label_at "$(read_labels pipeweight 'Pipe Weight (Sch)')" "$1" "$2"
}
mapfile -t expected < <("$expected_results" 3 11 6000 4)
expect_eventually "${expected[0]}" "kilogram result" result 285 229
expect_eventually "${expected[1]}" "pound result" result 284 256
expect_eventually "${expected[2]}" "inch result" result 125 236
expect_equal "${expected[0]}" "1020.3 kg" "computed kilograms"

import -window "$window" calculator.png
"$xdelete" "$window"
wait_for_exit "$pid"
expect_equal "$?" 0 "exit code"
echo "PASS"
