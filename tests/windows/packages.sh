#!/usr/bin/env bash
# The Windows packages, made as the README makes them: the portable .zip holds the program, the
# Titr face and the licences; the installer installs silently into a fresh Wine prefix, with a
# Start-menu shortcut that starts the program and an entry in the list of installed programs;
# its silent uninstall leaves no file, shortcut or registry key of its own behind.
#   packages.sh <CPackConfig.cmake> <objdump>
set -uo pipefail
cpack_config="$1"
objdump="$2"
source "$(dirname "$0")/wine-lib.sh"

scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT
export WINEPREFIX="$scratch/prefix"
"$(dirname "$0")/prepare-wine-prefix"

cpack --config "$cpack_config" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack" >&2; exit 1; }
installer=$(ls "$scratch"/packages/*.exe)
zip=$(ls "$scratch"/packages/*.zip)
echo "result: installer $(basename "$installer"), $(stat -c %s "$installer") bytes"
echo "result: portable $(basename "$zip"), $(stat -c %s "$zip") bytes"

# The portable folder.
mkdir "$scratch/portable"
(cd "$scratch/portable" && cmake -E tar xf "$zip") || exit 1
portable=$(ls -d "$scratch"/portable/*/)
contents=$(cd "$portable" && find . -type f | sort | tr '\n' ' ')
expect_equal "$contents" "./licenses/GPL-2.txt ./licenses/GPL-3.txt ./licenses/LGPL-3.txt \
./licenses/NOTICE.txt ./licenses/Pipe Weight.txt ./licenses/Qt.txt ./licenses/Titr.txt \
./licenses/gcc-runtime.txt ./licenses/libjpeg-turbo.txt ./licenses/mingw-w64-runtime.txt \
./pipeweight.exe ./titr.ttf " "portable folder"
echo "result: pipeweight.exe as shipped, $(stat -c %s "$portable/pipeweight.exe") bytes"

# Self-contained: it imports Windows' own DLLs only, each of them in the prefix's system32 or
# one of Windows' API sets (api-ms-win-*), which the loader maps to system DLLs. Every Windows
# program imports KERNEL32.dll: a listing without it was not read from a sound import table.
headers=$("$objdump" -p "$portable/pipeweight.exe") ||
    { echo "FAIL: $objdump cannot read pipeweight.exe" >&2; exit 1; }
imports=$(awk '/DLL Name:/ { print $3 }' <<<"$headers")
echo "result: imports $(echo $imports)"
grep -qix kernel32.dll <<<"$imports" ||
    { echo "FAIL: pipeweight.exe imports no KERNEL32.dll, by $objdump's listing" >&2; exit 1; }
for dll in $imports; do
    [[ "${dll,,}" == api-ms-win-* ]] && continue
    if [ -z "$(find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ]; then
        echo "FAIL: pipeweight.exe imports $dll, which is not Windows' own" >&2
        exit 1
    fi
done

# What Wine's own set-up put in the prefix, to compare with after the uninstall: files outside
# Windows' own folders and temporary files, and the registry keys under Software.
drive="$WINEPREFIX/drive_c"
files_and_keys() {
    (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
    for hive in 'HKLM\Software' 'HKCU\Software' \
        'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
        wine reg query "$hive" 2>/dev/null | tr -d '\r' | grep '^HKEY' | sort
    done
}
before=$(files_and_keys)

wine "$installer" /S
wineserver -w
folder="$drive/Program Files/Pipe Weight"
for file in pipeweight.exe titr.ttf Uninstall.exe licenses/NOTICE.txt; do
    [ -f "$folder/$file" ] || { echo "FAIL: $file not installed" >&2; exit 1; }
done
cmp -s "$folder/pipeweight.exe" "$portable/pipeweight.exe" ||
    { echo "FAIL: the installed program is not the portable one" >&2; exit 1; }
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Pipe Weight/Pipe Weight.lnk"
[ -f "$shortcut" ] || { echo "FAIL: no Start-menu shortcut" >&2; exit 1; }
entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pipe Weight' |
    tr -d '\r')
echo "result: installed silently; in the programs list:"
echo "$entry" | grep -E 'Display|Publisher' | sed 's/^ */result:     /'
for value in "DisplayName    REG_SZ    Pipe Weight" "DisplayVersion    REG_SZ    1.0.0" \
    'DisplayIcon    REG_SZ    C:\Program Files\Pipe Weight\pipeweight.exe'; do
    grep -qF "$value" <<<"$entry" || { echo "FAIL: no '$value' in the programs list" >&2; exit 1; }
done

# Started from the shortcut, as from the Start menu.
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Pipe Weight\Pipe Weight.lnk'
calculator=$(wait_for_window 'Pipe Weight \(Sch\)') || exit 1
sleep 0.5
import -window "$calculator" installed-windows.png
close_window "$calculator"
expect_eventually "" "main windows shown after closing" shown_windows 'Pipe Weight \(Sch\)'
wineserver -w
echo "result: started from the Start-menu shortcut and closed"

wine "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || { echo "FAIL: the program folder is left" >&2; ls -R "$folder" >&2; exit 1; }
after=$(files_and_keys)
if [ "$before" != "$after" ]; then
    echo "FAIL: the uninstall left these behind:" >&2
    diff <(echo "$before") <(echo "$after") >&2
    exit 1
fi
echo "result: the silent uninstall left no file, shortcut or registry key behind"
echo "PASS"
