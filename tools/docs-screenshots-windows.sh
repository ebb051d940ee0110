#!/usr/bin/env bash
# Takes the README's screenshots of the Windows build under Wine, frames included:
# docs/windows-calculator.png after computing 4 pieces of 6" Sch 80, 6000 mm long,
# docs/windows-gallery.png on slide 2, and docs/windows-installer.png, the installer's welcome
# page (the installer made first by cpack --config <build folder>/CPackConfig.cmake). Each is
# taken once the window shows what it must, read by pixels as tests/windows/program.sh reads it,
# and has stopped changing.
#   tools/docs-screenshots-windows.sh [build folder]        (default: build-windows)
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
build="${1:-build-windows}"
if [ -z "${DISPLAY:-}" ]; then
    exec tests/xvfb-session "$0" "$@"
fi
export WINEPREFIX="$PWD/$build/wine-e2e"
source tests/windows/wine-lib.sh
start_wine_session "$build/wine-run"
work=$(mktemp -d)
trap 'end_wine_session; rm -rf "$work"' EXIT

# The results drawn in the calculator's own labels, before the program starts: the reference
# window has the program's caption, which must not be mistaken for the program's.
results=$("$build/wine-run" "$build/bin/reference_window.exe" calculator \
    "Z:$work/reference.png" Label7 "1020.3 kg" Label13 "2249.7 Lb" \
    Label14 "236.22        (inch)" | tr -d '\r')
expect_eventually "" "reference calculators shown after it ended" \
    shown_windows 'Pipe Weight \(Sch\)'

"$build/wine-run" "$build/bin/pipeweight.exe" &
pid=$!
calculator=$(wait_for_window 'Pipe Weight \(Sch\)')
remember_client "$calculator" 385 455
wait_for_focus "$calculator"
enter_sch80_example click_client "$calculator"
for label in $(cut -f1 <<<"$results"); do
    wait_for_client_picture "$calculator" "$work/calculator.png" \
        "$label shows '$(text_of "$results" "$label")'" \
        same_region "$work/reference.png" "$(region_of "$results" "$label")"
done
settled_screenshot "$calculator" docs/windows-calculator.png

click_client "$calculator" 344 36            # "VORDEK"
gallery=$(wait_for_window Resume)
remember_client "$gallery" 590 391
click_client "$gallery" 462 123              # next: slide 1
click_client "$gallery" 462 123              # next: slide 2
wait_for_client_picture "$gallery" "$work/gallery.png" "slide 2's picture" \
    stretched_picture assets/Form3/Image3.jpg "8 8 425 313"
settled_screenshot "$gallery" docs/windows-gallery.png

close_window "$gallery"
expect_eventually "" "gallery windows shown after closing" shown_windows Resume
close_window "$calculator"
wait_for_exit "$pid"

# docs/windows-installer.png, the installer's welcome page: the installer comes from
# cpack --config <build folder>/CPackConfig.cmake. The session's end closes it.
installers=("$build"/packages/pipeweight-*-windows-x64.exe)
[ -f "${installers[0]}" ] ||
    { echo "no installer in $build/packages: cpack --config $build/CPackConfig.cmake" >&2; exit 1; }
# In a session of its own: a program started while the last one goes down would lose its
# windows with Wine's desktop.
end_wine_session
"$build/wine-run" "${installers[0]}" &
wizard=$(wait_for_window "Pipe Weight Setup")
settled_screenshot "$wizard" docs/windows-installer.png
