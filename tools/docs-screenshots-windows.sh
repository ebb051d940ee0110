#!/usr/bin/env bash
# Takes the README's screenshots of the Windows build under Wine, frames included:
# docs/windows-calculator.png after computing 4 pieces of 6" Sch 80, 6000 mm long,
# docs/windows-gallery.png on slide 2, and docs/windows-installer.png, the installer's welcome
# page (the installer made first by cpack --config <build folder>/CPackConfig.cmake).
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
