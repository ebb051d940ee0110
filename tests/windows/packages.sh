#!/usr/bin/env bash
# The Windows packages, made as the README makes them, by a maker with a code-signing
# certificate: the portable .zip holds the program, the Titr face and the licences, and the
# program imports Windows' own DLLs only; the installer, named for the project's version,
# installs silently into a fresh Wine prefix, with a Start-menu shortcut that starts the program
# and an entry in the list of installed programs that carries that version; its silent
# uninstall leaves every file and the registry (each key and value under HKLM\Software and HKCU)
# as it found them. Installer and uninstaller must both exit with 0.
# The program in the .zip and the installed one, the uninstaller and the installer carry
# Authenticode signatures that the certificate's authority verifies and another does not, and
# the installer and the uninstaller the program icon. The wizard, run as a user runs it, shows
# the program's own pictures and, from its finish page, starts the program through the user's
# shell rather than itself.
#   packages.sh <CPackConfig.cmake> <project version> <objdump> <reference_window.exe>
#               <wizard_probe.exe> <program_icon.exe>
set -euo pipefail
shopt -s inherit_errexit
cpack_config="$1"
version="$2"
objdump="$3"
reference="$4"
probe="$5"
program_icon="$6"
source "$(dirname "$0")/wine-lib.sh"
checkout=$(realpath "$(dirname "$0")/../..")
signer="$checkout/packaging/windows/authenticode-sign"

scratch=$(mktemp -d)
trap 'end_wine_session; rm -rf "$scratch"' EXIT
export WINEPREFIX="$scratch/prefix"
"$(dirname "$0")/prepare-wine-prefix"

# A maker's code-signing certificate, made for this run: issued by an authority of its own,
# kept with its key and chain in a PKCS#12 file under a password, outside the checkout. Another
# authority, with the same name, must not vouch for what it signed.
certificates="$scratch/certificates"
mkdir "$certificates"
(
    cd "$certificates"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Pipe Weight Test Authority" \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign \
        -keyout authority.key -out authority.pem
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Pipe Weight Test Authority" \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign \
        -keyout other.key -out other.pem
    openssl req -newkey rsa:2048 -nodes -subj "/CN=Pipe Weight Test Maker" \
        -keyout signer.key -out signer.csr
    printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature \
        extendedKeyUsage=codeSigning >signer.ext
    openssl x509 -req -days 2 -in signer.csr -CA authority.pem -CAkey authority.key \
        -CAcreateserial -extfile signer.ext -out signer.pem
    openssl rand -hex 16 >password
    openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile authority.pem \
        -passout file:password -out signer.p12
) >"$scratch/openssl.log" 2>&1 ||
    { cat "$scratch/openssl.log"; echo "FAIL: no test certificate" >&2; exit 1; }
password=$(cat "$certificates/password")

# The maker's settings are refused for a certificate inside the checkout, before anything is
# made, and said once otherwise.
refusal=$(PIPEWEIGHT_SIGN_PKCS12="$checkout/LICENSE" \
    PIPEWEIGHT_SIGN_PASSWORD_FILE="$certificates/password" "$signer" --status 2>&1) &&
    { echo "FAIL: a certificate inside the checkout was taken: $refusal" >&2; exit 1; }
grep -q "inside the checkout" <<<"$refusal" ||
    { echo "FAIL: a certificate inside the checkout was refused so: $refusal" >&2; exit 1; }
echo "result: refused: $refusal"
export PIPEWEIGHT_SIGN_PKCS12="$certificates/signer.p12"
export PIPEWEIGHT_SIGN_PASSWORD_FILE="$certificates/password"
unset PIPEWEIGHT_SIGN_TIMESTAMP_URL
echo "result: $("$signer" --status)"

cpack --config "$cpack_config" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack" >&2; exit 1; }
if grep -rqF "$password" "$scratch/cpack.log" "$scratch/packages"; then
    echo "FAIL: the certificate's password is in CPack's log or files" >&2
    exit 1
fi
installer="$scratch/packages/pipeweight-$version-windows-x64.exe"
zip="$scratch/packages/pipeweight-$version-windows-x64.zip"
for package in "$installer" "$zip"; do
    [ -f "$package" ] || { echo "FAIL: no $(basename "$package") among: $(ls "$scratch/packages")" >&2
        exit 1; }
done
echo "result: installer $(basename "$installer"), $(stat -c %s "$installer") bytes"
echo "result: portable $(basename "$zip"), $(stat -c %s "$zip") bytes"

# The file carries a signature by the test's certificate that its authority verifies and the
# other authority does not.
expect_signed() {
    local file="$1" what="$2" log="$scratch/verify.log" status=0
    osslsigncode verify -CAfile "$certificates/authority.pem" -in "$file" >"$log" 2>&1 ||
        status=$?
    if [ "$status" != 0 ] || ! grep -qx "Signature verification: ok" "$log"; then
        cat "$log" >&2
        echo "FAIL: $what: no signature that the test's authority verifies" >&2
        exit 1
    fi
    local subject description
    subject=$(sed -n 's/^\t\tSubject: //p' "$log" | head -n 1)
    description=$(sed -n 's/^\tText description: //p' "$log")
    if osslsigncode verify -CAfile "$certificates/other.pem" -in "$file" >"$log" 2>&1; then
        echo "FAIL: $what: another authority verified its signature too" >&2
        exit 1
    fi
    echo "result: $what signed by $subject as \"$description\": verified by the test's" \
        "authority, refused by another"
}

# The file's icon, as Explorer shows it, is the program icon's file, image for image.
expect_program_icon() {
    local icon="$scratch/icon.ico"
    rm -f "$icon"
    wine "$program_icon" "$(winepath -w "$1")" "$(winepath -w "$icon")" ||
        { echo "FAIL: $2: no icon read" >&2; exit 1; }
    cmp -s "$icon" "$checkout/assets/Windows/MAINICON.ico" ||
        { echo "FAIL: $2 does not show the program icon" >&2; exit 1; }
    echo "result: $2 shows the program icon, its $(identify "$icon" | wc -l) images as" \
        "MAINICON.ico's"
}

expect_signed "$installer" "the installer"
expect_program_icon "$installer" "the installer"

# The portable folder.
mkdir "$scratch/portable"
(cd "$scratch/portable" && cmake -E tar xf "$zip")
portable=$(ls -d "$scratch"/portable/*/)
contents=$(cd "$portable" && find . -type f | sort | tr '\n' ' ')
expect_equal "$contents" "./licenses/GPL-2.txt ./licenses/GPL-3.txt ./licenses/LGPL-3.txt \
./licenses/NOTICE.txt ./licenses/Pipe Weight.txt ./licenses/Qt.txt ./licenses/Titr.txt \
./licenses/gcc-runtime.txt ./licenses/libjpeg-turbo.txt ./licenses/mingw-w64-runtime.txt \
./pipeweight.exe ./titr.ttf " "portable folder"
echo "result: pipeweight.exe as shipped, $(stat -c %s "$portable/pipeweight.exe") bytes"
expect_signed "$portable/pipeweight.exe" "the portable program"

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

# What Wine's own set-up put in the prefix, to compare with after the uninstall: the files
# outside Windows' own folders and temporary files, and the registry as reg exports it, every
# key and value, the 32-bit programs' view (Wow6432Node) included, but for Wine's console
# settings.
drive="$WINEPREFIX/drive_c"
files_and_registry() {
    local key export="$scratch/export.reg"
    (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
    for key in 'HKLM\Software' 'HKCU'; do
        wine reg export "$key" "$(winepath -w "$export")" /y >/dev/null ||
            { echo "FAIL: reg export $key" >&2; exit 1; }
        iconv -f UTF-16LE -t UTF-8 "$export" | tr -d '\r' | sed '1s/^\xEF\xBB\xBF//' >"$export.txt"
        [ "$(head -n 1 "$export.txt")" = "Windows Registry Editor Version 5.00" ] ||
            { echo "FAIL: reg export $key wrote no registry file" >&2; exit 1; }
        # Less HKCU\Console: Wine's console host writes its defaults there the first time any
        # console opens in the prefix, and its crash reporter opens one when one of Wine's own
        # processes crashes. One of its driver hosts (winedevice.exe) now and then does, under
        # load, as a session starts or ends (a read at address 8 in ntoskrnl.exe's
        # IoCreateDevice): the key is Wine's, not the package's.
        awk '/^\[/ { console = $0 == "[HKEY_CURRENT_USER\\Console]" ||
                             index($0, "[HKEY_CURRENT_USER\\Console\\") == 1 }
             !console' "$export.txt"
    done
}
before=$(files_and_registry)

status=0
wine "$installer" /S || status=$?
expect_equal "$status" 0 "the installer's exit code"
wineserver -w
folder="$drive/Program Files/Pipe Weight"
for file in pipeweight.exe titr.ttf Uninstall.exe licenses/NOTICE.txt; do
    [ -f "$folder/$file" ] || { echo "FAIL: $file not installed" >&2; exit 1; }
done
cmp -s "$folder/pipeweight.exe" "$portable/pipeweight.exe" ||
    { echo "FAIL: the installed program is not the portable one" >&2; exit 1; }
expect_signed "$folder/pipeweight.exe" "the installed program"
expect_signed "$folder/Uninstall.exe" "the uninstaller"
expect_program_icon "$folder/Uninstall.exe" "the uninstaller"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Pipe Weight/Pipe Weight.lnk"
[ -f "$shortcut" ] || { echo "FAIL: no Start-menu shortcut" >&2; exit 1; }
entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pipe Weight' |
    tr -d '\r') || { echo "FAIL: no entry in the list of installed programs" >&2; exit 1; }
echo "result: installed silently; in the programs list:"
sed -n -E 's/^ *((Display|Publisher).*)/result:     \1/p' <<<"$entry"
for value in "DisplayName    REG_SZ    Pipe Weight" "DisplayVersion    REG_SZ    $version" \
    'DisplayIcon    REG_SZ    C:\Program Files\Pipe Weight\pipeweight.exe'; do
    grep -qxF "    $value" <<<"$entry" ||
        { echo "FAIL: no '$value' in the programs list" >&2; exit 1; }
done

# Started from the shortcut, as from the Start menu, the signed program draws its window: the result labels
# read "******" before any calculation. The reference is drawn first, as its window has the
# program's caption.
expected=$(wine "$reference" calculator "$(winepath -w "$scratch/reference.png")" \
    Label7 "******" | tr -d '\r') || { echo "FAIL: no reference calculator window" >&2; exit 1; }
expect_eventually "" "reference calculators shown after it ended" \
    shown_windows 'Pipe Weight \(Sch\)'
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Pipe Weight\Pipe Weight.lnk'
calculator=$(wait_for_window 'Pipe Weight \(Sch\)')
remember_client "$calculator" 385 455
wait_for_client_picture "$calculator" installed-windows.png "the installed program's Label7" \
    same_region "$scratch/reference.png" "$(region_of "$expected" Label7)"
close_window "$calculator"
expect_eventually "" "main windows shown after closing" shown_windows 'Pipe Weight \(Sch\)'
wineserver -w
echo "result: started from the Start-menu shortcut and closed"

# In its own folder (_?=), so that the exit code is the uninstaller's own: otherwise it runs a
# copy of itself from the temporary folder and exits at once. NSIS reads the folder up to the
# end of the command line, unquoted, and Wine would quote a path with blanks: hence its short
# form. Run so, the uninstaller cannot delete its own file, which the copy would have done.
status=0
wine "$folder/Uninstall.exe" /S "_?=$(winepath -s 'C:\Program Files\Pipe Weight' | tr -d '\r')" ||
    status=$?
expect_equal "$status" 0 "the uninstaller's exit code"
wineserver -w
expect_equal "$(ls -A "$folder" 2>&1)" Uninstall.exe "what the uninstaller left in its folder"
rm "$folder/Uninstall.exe"
rmdir "$folder"
after=$(files_and_registry)
if [ "$before" != "$after" ]; then
    echo "FAIL: the uninstall left these behind:" >&2
    diff <(echo "$before") <(echo "$after") >&2
    exit 1
fi
echo "result: the silent uninstall exited with 0 and left no file, shortcut, registry key or" \
    "value behind ($(wc -l <<<"$after") lines of files and registry compared)"

# The wizard, as a user goes through it. Its pages are read as Windows sees them (wizard_probe):
# each control's kind, place in the client area and text.
wizard_title="Pipe Weight Setup"
wizard_controls() { wine "$probe" controls "$wizard_title" 2>"$scratch/probe.log" | tr -d '\r'; }

# Waits until the wizard shows a control of kind $1 reading $2, and prints all the controls it
# shows then. No page names the installer's maker at its foot.
wait_for_control() {
    local controls deadline=$((SECONDS + 60))
    until controls=$(wizard_controls) && control_place "$controls" "$1" "$2" >/dev/null 2>&1; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "FAIL: the wizard showed no $1 \"$2\"; its controls: $controls" \
                "$(cat "$scratch/probe.log"); processes:" $(wine "$probe" processes | cut -f 1) >&2
            exit 1
        fi
        sleep 0.2
    done
    if grep -qi nullsoft <<<"$controls"; then
        echo "FAIL: the wizard names the installer's maker: $(grep -i nullsoft <<<"$controls")" >&2
        exit 1
    fi
    echo "$controls"
}

# The place "x y w h" of the first control of kind $2 reading $3 among the controls $1.
control_place() {
    local place
    place=$(awk -F '\t' -v kind="$2" -v text="$3" '$1 == kind && $3 == text { print $2; exit }' \
        <<<"$1")
    [ -n "$place" ] || { echo "FAIL: no $2 \"$3\" among the wizard's controls: $1" >&2; return 1; }
    echo "$place"
}

# Presses the button reading $1 with the mouse, once the wizard shows it.
press() {
    local controls place x y w h
    controls=$(wait_for_control button "$1")
    place=$(control_place "$controls" button "$1")
    read -r x y w h <<<"$place"
    click_client "$wizard" $((x + w / 2)) $((y + h / 2))
}

# The largest picture the page shows: beside the welcome and finish pages, the tall one; on
# the others, the header's.
largest_picture() {
    awk -F '\t' '$1 == "picture" { split($2, p, " "); if (p[3] * p[4] > best) {
        best = p[3] * p[4]; place = $2 } } END { print place }' <<<"$1"
}

# The region "x y w h" of the client area is the bitmap, pixel for pixel; the stock picture of
# the same size is measured beside it.
bitmap_at() {
    local actual="$1" bitmap="$2" stock="$3" region="$4" x y w h ours theirs
    read -r x y w h <<<"$region"
    ours=$(compare -metric AE "$actual[${w}x${h}+${x}+${y}]" "$bitmap" null: 2>&1)
    [ $? -lt 2 ] || { echo "compare failed: $ours"; return 1; }
    theirs=$(compare -metric AE "$actual[${w}x${h}+${x}+${y}]" "$stock" null: 2>&1)
    [ $? -lt 2 ] || { echo "compare failed: $theirs"; return 1; }
    echo "$ours pixels differ from $(basename "$bitmap"), $theirs from the stock $(basename "$stock")"
    [ "$ours" = 0 ] && [ "$theirs" -gt $((w * h / 2)) ]
}

# The picture control shows the bitmap at its own size; the wizard would stretch it otherwise.
expect_picture() {
    local controls="$1" bitmap="$2" stock="$3" what="$4" region
    region=$(largest_picture "$controls")
    expect_equal "$(cut -d ' ' -f 3,4 <<<"$region")" "$(identify -format '%w %h' "$bitmap")" \
        "the size of $what"
    wait_for_client_picture "$wizard" "$scratch/wizard.png" "$what" bitmap_at "$bitmap" \
        "$stock" "$region"
}

# The wizard whose page $1 (wait_for_control's listing) was just read, for clicks and pictures:
# its window (the wizard appends a blank to its title after its first page) and client area.
open_wizard() {
    local width height
    wizard=$(wait_for_window "$wizard_title *")
    read -r _ width height <<<"$(head -n 1 <<<"$1")"
    remember_client "$wizard" "$width" "$height"
}

stock="/usr/share/nsis/Contrib/Graphics"
# When its last program ends, the Wine session ends its desktop and services; a program started
# meanwhile would lose its windows with the desktop. Each wizard starts once the session is over.
wineserver -w
wine "$installer" &
installer_run=$!
page=$(wait_for_control text "Welcome to Pipe Weight Setup")
open_wizard "$page"
expect_picture "$page" "$checkout/assets/Installer/Wizard.bmp" "$stock/Wizard/win.bmp" \
    "the welcome page's picture"
press "Next >"
page=$(wait_for_control text "License Agreement")
expect_picture "$page" "$checkout/assets/Installer/Header.bmp" "$stock/Header/nsis.bmp" \
    "the header's picture"
press "I Agree"
wait_for_control text "Choose Install Location" >/dev/null
press "Next >"
wait_for_control text "Choose Start Menu Folder" >/dev/null
press "Install"
page=$(wait_for_control text "Completing Pipe Weight Setup")
expect_picture "$page" "$checkout/assets/Installer/Wizard.bmp" "$stock/Wizard/win.bmp" \
    "the finish page's picture"
wait_for_control checked "Run Pipe Weight" >/dev/null
installer_id=$(wine "$probe" processes | tr -d '\r' |
    awk -F '\t' -v name="$(basename "$installer")" '$1 == name { print $2 }')
press "Finish"

# Started by the user's shell (Explorer, Windows' desktop, which Wine runs too), not by the
# installer, which runs as administrator. Under Wine every process has the administrator's
# token, so the test can tell the two only by which process started the program. Without its
# window, what the screen and Wine show instead tells why (a message box, say).
if ! calculator=$(wait_for_window 'Pipe Weight \(Sch\)'); then
    echo "FAIL: no program window after Finish; the windows shown:" >&2
    for id in $(shown_windows '.*'); do
        title=$(xdotool getwindowname "$id")
        echo "    ${title:-(no title)}" >&2
    done
    echo "and Wine's processes: $(wine "$probe" processes | tr -d '\r' | cut -f 1 | xargs)" >&2
    exit 1
fi
processes=$(wine "$probe" processes | tr -d '\r')
parent=$(awk -F '\t' '$1 == "pipeweight.exe" { print $3 }' <<<"$processes")
[ -n "$parent" ] || { echo "FAIL: no pipeweight.exe among the processes: $processes" >&2; exit 1; }
if [ "$parent" = "$installer_id" ]; then
    echo "FAIL: the installer started the program itself, as administrator" >&2
    exit 1
fi
starter=$(awk -F '\t' -v id="$parent" '$2 == id { print $1 }' <<<"$processes")
expect_equal "$starter" explorer.exe "the process that started the program from the finish page"
echo "result: the finish page had the shell start the program (explorer.exe, process $parent)"
status=0
wait "$installer_run" || status=$?
expect_equal "$status" 0 "the interactive installer's exit code"
close_window "$calculator"
expect_eventually "" "main windows shown after closing" shown_windows 'Pipe Weight \(Sch\)'
wineserver -w

# The uninstaller as a user runs it: the program's header picture on its pages, and nothing
# left of the folder once it says it has finished. (It runs a copy of itself from the temporary
# folder, so that it can delete its own file, and the file started exits at once.)
wine "$folder/Uninstall.exe"
wizard_title="Pipe Weight Uninstall"
page=$(wait_for_control text "Uninstall Pipe Weight")
open_wizard "$page"
expect_picture "$page" "$checkout/assets/Installer/Header.bmp" "$stock/Header/nsis.bmp" \
    "the uninstaller's header picture"
press "Uninstall"
wait_for_control text "Uninstallation Complete" >/dev/null
press "Close"
wineserver -w
[ ! -e "$folder" ] ||
    { echo "FAIL: the uninstaller left $(find "$folder")" >&2; exit 1; }
echo "result: the wizard's uninstall removed the program's folder"
echo "PASS"
