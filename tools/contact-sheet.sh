#!/usr/bin/env bash
# Draws docs/assets.png: every embedded picture and the icon at its own size (the large slide at
# half size), labelled with its resource path and pixel size. Keyed pictures are shown with the
# key dropped, over what shows through them in the program.
#   tools/contact-sheet.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/assets.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fonts=/usr/share/fonts/truetype/liberation2
regular=$fonts/LiberationSans-Regular.ttf
bold=$fonts/LiberationSans-Bold.ttf
paper=white
light_grey='#F0F0F0'

size_of() { identify -format '%wx%h' "$1[0]"; }
key_of() { convert "$1" -format '%[hex:p{0,h-1}]' info:; }

# caption <file> <path text> <line...>: the path, then smaller lines beneath, centred.
caption() {
    local file=$1 path=$2 lines=()
    shift 2
    for line; do
        lines+=(-font "$regular" -pointsize 11 -fill '#606060' label:"$line")
    done
    convert -background "$paper" -fill '#202020' -font "$regular" -pointsize 12 \
        label:"$path" "${lines[@]}" -gravity center -append "$file"
}

# tile <name> <picture> <path text> <line...>: the picture framed, its caption beneath.
tile() {
    local name=$1 picture=$2 path=$3
    shift 3
    caption "$work/$name-caption.png" "$path" "$@"
    convert "$picture" -bordercolor '#B0B0B0' -border 1 \
        \( "$work/$name-caption.png" -background "$paper" -gravity north -splice 0x4 \) \
        -gravity center -append -bordercolor "$paper" -border 10 "$work/$name.png"
}

# A tile's name: its resource path with / and . as _.
tile_name() {
    local name=${1//\//_}
    echo "${name//./_}"
}

# keyed <picture> <backdrop> <x> <y> <out>: the picture with its bottom-left colour made
# see-through, laid on the part of the backdrop at x,y that lies beneath it in its window.
keyed() {
    local picture=$1 backdrop=$2 x=$3 y=$4 out=$5
    convert "$backdrop" -crop "$(size_of "$picture")+$x+$y" +repage \
        \( "$picture" -transparent "#$(key_of "$picture")" \) -composite "$out"
}

# on_grey <picture> <out>: a keyed picture over the light grey of the window's face.
on_grey() {
    convert -size "$(size_of "$1")" xc:"$light_grey" \
        \( "$1" -transparent "#$(key_of "$1")" \) -composite "$2"
}

plain_tile() {
    local path=$1
    tile "$(tile_name "$path")" "assets/$path" "$path" "$(size_of "assets/$path")"
}

keyed_tile() {
    local path=$1 over=$2 picture
    picture=$work/$(tile_name "$1")-keyed.png
    shift 2
    "$@" "$picture"
    tile "$(tile_name "$path")" "$picture" "$path" \
        "$(size_of "assets/$path")" "key $(key_of "assets/$path") over $over"
}

# row <name> <part...>: parts side by side, tops aligned; column: one above the other.
row() { join_parts +append north "$@"; }
column() { join_parts -append west "$@"; }
join_parts() {
    local direction=$1 gravity=$2 name=$3 parts=()
    shift 3
    for part; do
        parts+=("$work/$part.png")
    done
    convert "${parts[@]}" -background "$paper" -gravity "$gravity" "$direction" "$work/$name.png"
}

heading() {
    convert -background "$paper" -fill '#10305A' -font "$bold" -pointsize 20 label:"$2" \
        -gravity southwest -splice 10x18 "$work/$1.png"
}

# The calculator window (Form1): its steel panel starts at 8,72 in the window; the diagrams lie
# on it where the window shows them.
steel=assets/Form1/Image9.bmp
plain_tile Form1/Image9.bmp
keyed_tile Form1/Image5.bmp Image9 keyed assets/Form1/Image5.bmp "$steel" 48 218
keyed_tile Form1/Image6.bmp Image9 keyed assets/Form1/Image6.bmp "$steel" 52 218
keyed_tile Form1/Image7.bmp Image9 keyed assets/Form1/Image7.bmp "$steel" 53 222
keyed_tile Form1/Image8.bmp Image9 keyed assets/Form1/Image8.bmp "$steel" 51 220
for n in 1 2 3 4; do
    plain_tile "Form1/Image$n.bmp"
done
for path in Form1/Image10.bmp Form1/Image11.bmp Form1/BitBtn1.bmp Form1/BitBtn2.bmp; do
    keyed_tile "$path" F0F0F0 on_grey "assets/$path"
done
row diagrams-top Form1_Image5_bmp Form1_Image6_bmp
row diagrams-bottom Form1_Image7_bmp Form1_Image8_bmp
column diagrams diagrams-top diagrams-bottom
row form1-pictures Form1_Image9_bmp diagrams
row form1-small Form1_Image1_bmp Form1_Image2_bmp Form1_Image3_bmp \
    Form1_Image4_bmp Form1_Image10_bmp Form1_Image11_bmp Form1_BitBtn1_bmp \
    Form1_BitBtn2_bmp
heading form1-heading 'Calculator window (Form1)'

# The program icon, every image of it over the window face's grey (it carries its own alpha).
icon=assets/MAINICON.ico
icon_tiles=()
for frame in 0 1 2 3 4; do
    side=$(identify -format '%w' "${icon}[$frame]")
    convert -size "${side}x${side}" xc:"$light_grey" "${icon}[$frame]" -composite \
        "$work/icon-$frame-image.png"
    tile "icon-$frame" "$work/icon-$frame-image.png" MAINICON.ico "${side}x${side}"
    icon_tiles+=("icon-$frame")
done
row icon-images "${icon_tiles[@]}"
heading icon-heading 'Program icon'
column form1-column form1-heading form1-pictures form1-small
column icon-column icon-heading icon-images
row form1 form1-column icon-column

# The résumé window (Form3): slides at their own size, the background Image2 at 0,0, the contact
# band and the industries panel where the window shows them on it.
for n in 1 3 4 5 6 7 8 9 10 2; do
    plain_tile "Form3/Image$n.jpg"
done
convert assets/Form3/Image11.jpg -resize 50% "$work/Image11-half.png"
tile Form3_Image11_jpg "$work/Image11-half.png" Form3/Image11.jpg \
    "$(size_of assets/Form3/Image11.jpg)" "shown at half size"
background=assets/Form3/Image2.jpg
keyed_tile Form3/Image12.bmp Image2 keyed assets/Form3/Image12.bmp "$background" 61 342
keyed_tile Form3/Image13.bmp Image2 keyed assets/Form3/Image13.bmp "$background" 472 88
for path in Form3/BitBtn1.bmp Form3/BitBtn2.bmp; do
    keyed_tile "$path" F0F0F0 on_grey "assets/$path"
done
row slides-1 Form3_Image1_jpg Form3_Image3_jpg Form3_Image4_jpg
row slides-2 Form3_Image5_jpg Form3_Image6_jpg Form3_Image7_jpg
row slides-3 Form3_Image8_jpg Form3_Image9_jpg Form3_Image10_jpg
row form3-glyphs Form3_Image13_bmp Form3_BitBtn1_bmp Form3_BitBtn2_bmp
column form3-keyed Form3_Image12_bmp form3-glyphs
row slides-4 Form3_Image11_jpg Form3_Image2_jpg form3-keyed
heading form3-heading 'Résumé window (Form3)'
column form3 form3-heading slides-1 slides-2 slides-3 slides-4

column sheet form1 form3
convert "$work/sheet.png" -bordercolor "$paper" -border 12 -depth 8 -strip \
    -define png:exclude-chunks=date,time "$output"
