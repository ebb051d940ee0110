#!/usr/bin/env bash
# The real pipeweight.exe under Wine, driven as a user drives it: it starts with its window's
# caption; Sch 80 by its thumbnail, 6" from the list, 6000 mm and 4 pieces typed and " Calc."
# clicked give 1020.3 kg, 2249.7 Lb and 236.22 inches; a length of abc gets the conversion
# error box, captioned with the program title; the gallery opens and steps to slide 2 and back
# to slide 10; closing the main window ends the program with exit code 0. Leaves screenshots
# in the working folder.
set -uo pipefail
wine_run="$1"
program="$2"
reference="$3"
source "$(dirname "$0")/wine-lib.sh"
start_wine_session "$wine_run"

"$wine_run" "$program" &
pid=$!
calculator=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1
remember_client "$calculator" 385 455
wait_for_focus "$calculator"

enter_sch80_example click_client "$calculator"
sleep 0.5
client_screenshot "$calculator" windows-calculator.png

expected=$("$wine_run" "$reference" calculator 4 11 6000 4 "Z:$PWD/reference-calculator.png" |
    tr -d '\r') || { echo "FAIL: no reference calculator window" >&2; exit 1; }
expect_equal "$(text_of "$expected" Label7)" "1020.3 kg" "kilogram result"
expect_equal "$(text_of "$expected" Label13)" "2249.7 Lb" "pound result"
expect_equal "$(text_of "$expected" Label14 | cut -d' ' -f1)" "236.22" "inch result"
for label in Label7 Label13 Label14; do
    expect_same_region windows-calculator.png reference-calculator.png \
        "$(region_of "$expected" "$label")" "result $label, '$(text_of "$expected" "$label")'"
done
echo "result: the window shows $(text_of "$expected" Label7 | tr -s ' '), $(text_of "$expected" \
    Label13 | tr -s ' '), $(text_of "$expected" Label14 | tr -s ' ')"

click_client "$calculator" 152 218        # the length box
xdotool key ctrl+a && xdotool type --delay 50 abc
xdotool key Tab
box=$(wait_for_window pipeweight) || exit 1
expect_equal "$(copied_message_box "$box")" "---------------------------
pipeweight
---------------------------
'abc' is not a valid floating point value.
---------------------------
OK   
---------------------------" "error box"
import -window "$box" windows-error.png
echo "result: the error box 'pipeweight' reads: 'abc' is not a valid floating point value."
xdotool key Return
expect_eventually "" "error boxes shown after OK" shown_windows pipeweight
click_client "$calculator" 152 218
wait_for_focus "$calculator"
xdotool key ctrl+a && xdotool type --delay 50 6000
click_client "$calculator" 152 274

click_client "$calculator" 344 36         # "VORDEK"
gallery=$(wait_for_window Resume) || exit 1
remember_client "$gallery" 590 391
sleep 0.5
# The gallery shows slide $1, titled $2, as the reference gallery does.
expect_slide() {
    local number="$1" title="$2" expected part
    sleep 0.5
    client_screenshot "$gallery" "windows-slide$number.png"
    expected=$("$wine_run" "$reference" gallery "$number" "Z:$PWD/reference-slide$number.png" |
        tr -d '\r') || { echo "FAIL: no reference gallery" >&2; exit 1; }
    expect_equal "$(text_of "$expected" TntLabel1)" "$title" "heading on slide $number"
    for part in TntLabel1 TntLabel3 slide; do
        expect_same_region "windows-slide$number.png" "reference-slide$number.png" \
            "$(region_of "$expected" "$part")" "slide $number, $part"
    done
}

click_client "$gallery" 462 123           # next: slide 1
click_client "$gallery" 462 123           # next: slide 2
expect_slide 2 "طراحي مارپيچها"
click_client "$gallery" 462 182           # previous: slide 1
click_client "$gallery" 462 182           # previous: slide 10
expect_slide 10 "طراحي سه بعدی"

close_window "$gallery"               # closing only hides it
expect_eventually "" "gallery windows shown after closing" shown_windows Resume
close_window "$calculator"
wait_for_exit "$pid"
expect_equal "$?" 0 "exit code"
echo "result: the gallery stepped to slide 2 and back to slide 10; exit code 0"
echo "PASS"
