#!/usr/bin/env bash
# debian_package.sh <cpack> <CPackConfig.cmake> <scratch folder>: builds the .deb and checks
# that it holds the installed files under /usr and that apt would bring in the fonts the
# program maps its faces to and the Qt and JPEG libraries it links.
set -euo pipefail
cpack="$1"
config="$2"
out="$3"
source "$(dirname "$0")/lib.sh"

rm -rf "$out"
"$cpack" --config "$config" -G DEB -B "$out" >/dev/null
debs=("$out"/pipeweight_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made no single pipeweight .deb"
fi
deb="${debs[0]}"

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
while read -r file; do
    grep -qxF "./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"
done < <(installed_files)

depends=$(dpkg-deb -f "$deb" Depends)
# The package names alone, without their version constraints.
names=$(tr ',|' '\n' <<<"$depends" | awk '{ print $1 }')
for package in fonts-liberation2 fonts-farsiweb fonts-dejavu-core; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
# The libraries (libjpeg decodes the slides), by the package that holds each on
# this system, as their package names change between releases (Debian 13 renamed libqt6core6 to
# libqt6core6t64).
for library in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libjpeg.so.62; do
    owner=$(dpkg-query -S "*/$library" 2>/dev/null | awk -F: 'NR == 1 { print $1 }') ||
        fail "no installed package holds $library"
    grep -qxF "$owner" <<<"$names" || fail "Depends lacks $owner (for $library): $depends"
done

for field in Maintainer Description Section Homepage; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
done
echo PASS
