#!/usr/bin/env bash
# installed_tree.sh <cmake> <build folder> <scratch prefix>: installs the build into the scratch
# prefix and checks what a desktop reads there: exactly the expected files, a menu entry and
# metainfo that the desktop's validators accept, and the icon as RGBA PNGs of each theme size.
set -euo pipefail
shopt -s inherit_errexit
cmake="$1"
build="$2"
prefix="$3"
source "$(dirname "$0")/lib.sh"

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

actual=$(cd "$prefix" && find . -type f -printf '%P\n' | sort)
expected=$(installed_files | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"
[ -x "$prefix/bin/pipeweight" ] || fail "bin/pipeweight is not executable"

desktop="$prefix/share/applications/$app_id.desktop"
verdict=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $verdict"
for line in "Name=Pipe Weight" "Exec=pipeweight" "Icon=$app_id" "Type=Application"; do
    grep -qxF "$line" "$desktop" || fail "the desktop entry lacks '$line'"
done
categories=$(sed -n 's/^Categories=//p' "$desktop")
for category in Utility Engineering; do
    [[ ";$categories" == *";$category;"* ]] || fail "the desktop entry is not in $category"
done
grep -q '^Comment=.' "$desktop" || fail "the desktop entry has no comment"

metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
verdict=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $verdict"
grep -qF "<id>$app_id</id>" "$metainfo" || fail "the metainfo is not for $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
for screenshot in calculator gallery slide; do
    grep -qF "<image>https://www.vordek.ir/pipeweight/$screenshot.png</image>" "$metainfo" ||
        fail "the metainfo lacks the $screenshot screenshot"
done

# A PNG's IHDR chunk: width and height, big-endian, at byte 16; the colour type at byte 25.
png_header() {
    local bytes
    read -r -a bytes < <(od -An -v -tu1 -w26 -N26 "$1")
    [ "${#bytes[@]}" -eq 26 ] && [ "${bytes[1]}" -eq 80 ] && [ "${bytes[2]}" -eq 78 ] &&
        [ "${bytes[3]}" -eq 71 ] || return 1
    echo "$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19]))" \
        "$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))" \
        "${bytes[25]}"
}
for size in "${icon_sizes[@]}"; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    header=$(png_header "$png") || fail "$png is not a PNG"
    [ "$header" = "$size $size 6" ] ||
        fail "$png: width, height and colour type are '$header', expected '$size $size 6' (RGBA)"
done
echo PASS
