# Shared by the scripts that drive the Windows program under Wine on a bare X server, on top of
# the Linux end-to-end helpers. No screen reader reaches a program under Wine, so windows are
# read by comparing regions of their pictures with reference_window's drawings of the expected
# texts or with the picture files shown, and error boxes by copying them with Ctrl+C, as Windows
# message boxes copy themselves.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

export WINEDEBUG=-all
# As in wine-run: no Mesa shader cache thread to outlast Wine's grace at a program's exit.
export MESA_SHADER_CACHE_DISABLE=true

# With no window manager Wine draws each window's frame itself, inside its X window: the client
# area sits within the border and below the caption. The client area's size and place in the
# X window ("width height left top"), for windows whose client size the caller knows.
declare -A client_area
remember_client() {
    local width height
    read -r _ _ width height <<<"$(client_geometry "$1")"
    local border=$(((width - $2) / 2))
    client_area[$1]="$2 $3 $border $((height - $3 - border))"
}

# Clicks at a position in a window's client area.
click_client() {
    local width height left top
    read -r width height left top <<<"${client_area[$1]}"
    click_at "$1" $(($2 + left)) $(($3 + top))
}

# A picture of a window's client area.
client_screenshot() {
    local width height left top
    read -r width height left top <<<"${client_area[$1]}"
    import -window "$1" "$2"
    mogrify -crop "${width}x${height}+${left}+${top}" +repage "$2"
}

# Waits until the window has the X input focus, to which keys go: Wine hands it over in its own
# time after a click or after it shows the window.
wait_for_focus() {
    local focused
    for _ in $(seq 1 200); do
        focused=$(xdotool getwindowfocus -f 2>&1) ||
            { echo "FAIL: xdotool getwindowfocus: $focused" >&2; exit 1; }
        [ "$focused" = "$1" ] && return 0
        sleep 0.05
    done
    echo "FAIL: window $1 did not get the input focus (it is on $focused)" >&2
    exit 1
}

# Keys go to the window with the input focus: a click gives it to the window first.
focus_window() {
    xdotool mousemove --window "$1" 10 30 click 1
    wait_for_focus "$1"
}

# Without a window manager Wine makes every window one the window manager would pass over, so
# that mark cannot tell a popup here. Qt titles a Windows popup, such as an opened drop-down
# list, with the program's name, and the program's own windows have captions of their own.
shown_popups() { shown_windows pipeweight; }

# Closes the window as its user would without a title bar: Alt+F4.
close_window() {
    focus_window "$1"
    xdotool key alt+F4
}

# The text Ctrl+C copies from the message box: title, text and buttons, between dashed lines.
# The clipboard is emptied first, so that what is read is this copy and not an earlier one.
copied_message_box() {
    local text
    xclip -selection clipboard -i /dev/null >/dev/null 2>&1
    focus_window "$1"
    xdotool key ctrl+c
    for _ in $(seq 1 200); do
        # xclip waits for the clipboard's owner to answer, without end: give it a second.
        if text=$(timeout 1 xclip -o -selection clipboard 2>&1) && [ -n "$text" ]; then
            tr -d '\r' <<<"$text"
            return 0
        fi
        sleep 0.05
    done
    echo "FAIL: the message box copied nothing to the clipboard (xclip: '$text')" >&2
    return 1
}

# The checks that wait_for_client_picture runs on a picture of a client area: each prints what
# it measured and succeeds when the picture passes.
# The region "x y w h" is the same as in the reference picture, pixel for pixel.
same_region() {
    local actual="$1" expected="$2" region="$3" x y w h differing
    read -r x y w h <<<"$region"
    differing=$(compare -metric AE "$actual[${w}x${h}+${x}+${y}]" \
        "$expected[${w}x${h}+${x}+${y}]" null: 2>&1)
    [ $? -lt 2 ] || { echo "compare failed: $differing"; return 1; }
    echo "$differing pixels differ"
    [ "$differing" = 0 ]
}

# The region "x y w h" shows the JPEG picture stretched to it. The program scales its pictures
# in its own way (libjpeg's reduced-size decoding, then Qt's smooth scaling) and ImageMagick
# decodes and scales the file in another, so the two differ along every one-pixel line of a
# drawing. Both are blurred by 1.5 pixels before they are compared, which leaves the root mean
# square difference of the right picture below 0.02 of full scale, and of any other slide above
# 0.14: the threshold, 0.05, lies between the two.
stretched_picture() {
    local actual="$1" jpeg="$2" region="$3" x y w h expected cropped difference
    read -r x y w h <<<"$region"
    expected="${actual%.png}-expected.png" cropped="${actual%.png}-cropped.png"
    difference=$({ convert "$jpeg" -resize "${w}x${h}!" -blur 0x1.5 "$expected" &&
        convert "$actual[${w}x${h}+${x}+${y}]" +repage -blur 0x1.5 "$cropped"; } 2>&1) ||
        { echo "convert failed: $difference"; return 1; }
    difference=$(compare -metric RMSE "$cropped" "$expected" null: 2>&1)
    [ $? -lt 2 ] || { echo "compare failed: $difference"; return 1; }
    difference=$(sed -E 's/.*\((.*)\)/\1/' <<<"$difference")
    echo "root mean square difference $difference from $(basename "$jpeg")"
    awk -v d="$difference" 'BEGIN { exit !(d < 0.05) }'
}

# Takes pictures of the window's client area into the file $2 until they pass the check $4 (a
# command given the picture and the further arguments), and says what it measured; fails when
# they have not passed within 15 seconds. The program draws in its own time after the input
# that changed it.
wait_for_client_picture() {
    local window="$1" picture="$2" what="$3" check="$4" measured deadline=$((SECONDS + 15))
    shift 4
    until client_screenshot "$window" "$picture" && measured=$("$check" "$picture" "$@"); do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "FAIL: $what: $measured" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "result: $what ($measured)"
}

# The region and the text of a named part in reference_window's listing.
region_of() { awk -F '\t' -v name="$2" '$1 == name { print $2 }' <<<"$1"; }
text_of() { awk -F '\t' -v name="$2" '$1 == name { print $3 }' <<<"$1"; }

# Each script has an X server of its own: a Wine session left from another one would draw its
# desktop, and keep its clipboard, where nobody looks. The prefix is made ready first, as
# making it takes longer than a window is waited for. $1 is the build's wine-run.
start_wine_session() {
    end_wine_session
    trap end_wine_session EXIT
    "$1" --prepare
}

# Ends the prefix's Wine server and waits until it has gone: a server still going down would
# meet the next session's first program.
end_wine_session() {
    wineserver -k 2>/dev/null || true
    wineserver -w
}
