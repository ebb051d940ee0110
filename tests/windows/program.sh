#!/usr/bin/env bash
# The real pipeweight.exe under Wine, driven as a user drives it: it starts with its window's
# caption; Sch 80 by its thumbnail, 6" from the list, 6000 mm and 4 pieces typed and " Calc."
# clicked give 1020.3 kg, 2249.7 Lb and 236.22 inches; a length of abc gets the conversion
# error box, captioned with the program title; the gallery opens and steps to slide 2 and back
# to slide 10, each with its picture, title and subtitle; closing the main window ends the
# program with exit code 0. Leaves screenshots in the working folder.
#
# Every text is the one written here. The labels are read by pixels: reference_window draws
# these very texts in the same labels (their faces and places), and the program's labels must
# look the same to the pixel. A slide is known by what only it shows: its picture, compared
# with the JPEG file it comes from, decoded and scaled here by ImageMagick, and its title and
# subtitle.
set -uo pipefail
wine_run="$1"
program="$2"
reference="$3"
assets="$(dirname "$0")/../../assets"
source "$(dirname "$0")/wine-lib.sh"
start_wine_session "$wine_run"

# Pictures of the labels with the texts the program must show, before the program starts: the
# reference window has the program's captions, which must not be mistaken for the program's.
# $1 names the window, $2 the picture; then label names and texts.
reference_labels() {
    local listing label text
    listing=$("$wine_run" "$reference" "$1" "Z:$PWD/$2" "${@:3}" | tr -d '\r') ||
        { echo "FAIL: no reference $1 window" >&2; exit 1; }
    set -- "${@:3}"
    while [ $# -gt 0 ]; do
        label="$1" text="$2"
        shift 2
        # The texts reach it through Wine's command line: they must arrive as written.
        expect_equal "$(text_of "$listing" "$label")" "$text" "$label's text in the reference"
    done
    expect_eventually "" "reference calculators shown after it ended" \
        shown_windows 'Pipe Weight \(Sch\)'
    expect_eventually "" "reference galleries shown after it ended" shown_windows Resume
    echo "$listing"
}
results=$(reference_labels calculator reference-calculator.png Label7 "1020.3 kg" \
    Label13 "2249.7 Lb" Label14 "236.22        (inch)") || exit 1
slide2=$(reference_labels gallery reference-slide2.png TntLabel1 "طراحي مارپيچها" \
    TntLabel3 "( Screw Conveyor )") || exit 1
slide10=$(reference_labels gallery reference-slide10.png TntLabel1 "طراحي سه بعدی" \
    TntLabel3 "( 3D Drawing )") || exit 1

# Fails unless the labels in the listing show in the window what they show in the reference.
expect_labels() {
    local window="$1" picture="$2" reference_picture="$3" listing="$4" label
    for label in $(cut -f1 <<<"$listing"); do
        wait_for_client_picture "$window" "$picture" \
            "$label shows '$(text_of "$listing" "$label")'" \
            same_region "$reference_picture" "$(region_of "$listing" "$label")"
    done
}

"$wine_run" "$program" &
pid=$!
calculator=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1
# xdotool finds windows by a pattern that ignores case; the caption is compared as written.
expect_equal "$(xdotool getwindowname "$calculator")" "Pipe Weight (Sch)" "calculator caption"
remember_client "$calculator" 385 455
wait_for_focus "$calculator"

enter_sch80_example click_client "$calculator"
expect_labels "$calculator" windows-calculator.png reference-calculator.png "$results"

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
expect_equal "$(xdotool getwindowname "$gallery")" "Resume" "gallery caption"
remember_client "$gallery" 590 391
# The gallery shows slide $1: the picture of the JPEG file $2, and the heading of the listing $3.
expect_slide() {
    local number="$1" jpeg="$2" heading="$3"
    wait_for_client_picture "$gallery" "windows-slide$number.png" "slide $number's picture" \
        stretched_picture "$assets/Form3/$jpeg" "8 8 425 313"
    expect_labels "$gallery" "windows-slide$number.png" "reference-slide$number.png" "$heading"
}

click_client "$gallery" 462 123           # next: slide 1
click_client "$gallery" 462 123           # next: slide 2
expect_slide 2 Image3.jpg "$slide2"
click_client "$gallery" 462 182           # previous: slide 1
click_client "$gallery" 462 182           # previous: slide 10
expect_slide 10 Image11.jpg "$slide10"

close_window "$gallery"               # closing only hides it
expect_eventually "" "gallery windows shown after closing" shown_windows Resume
close_window "$calculator"
wait_for_exit "$pid"
expect_equal "$?" 0 "exit code"
echo "result: the gallery stepped to slide 2 and back to slide 10; exit code 0"
echo "PASS"
