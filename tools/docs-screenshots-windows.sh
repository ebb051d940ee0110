#!/usr/bin/env bash
# Takes the README's screenshots of the Windows build under Wine, frames included:
# docs/windows-calculator.png after computing 4 pieces of 6" Sch 80, 6000 mm long, and
# docs/windows-gallery.png on slide 2.
#   tools/docs-screenshots-windows.sh [build folder]        (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"
if [ -z "${DISPLAY:-}" ]; then
    exec tests/xvfb-session "$0" "$@"
fi
export WINEPREFIX="$PWD/$build/wine-e2e"
source tests/windows/wine-lib.sh
start_wine_session "$build/wine-run"

"$build/wine-run" "$build/bin/pipeweight.exe" &
pid=$!
calculator=$(wait_for_window 'Pipe Weight \(Sch\)')
remember_client "$calculator" 385 455
sleep 0.5
enter_sch80_example click_client "$calculator"
sleep 0.3
import -window "$calculator" docs/windows-calculator.png
click_client "$calculator" 344 36            # "VORDEK"
gallery=$(wait_for_window Resume)
remember_client "$gallery" 590 391
sleep 0.5
click_client "$gallery" 462 123              # next: slide 1
click_client "$gallery" 462 123              # next: slide 2
sleep 0.3
import -window "$gallery" docs/windows-gallery.png
close_window "$gallery"
close_window "$calculator"
wait_for_exit "$pid"
