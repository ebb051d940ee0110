# Shared by the end-to-end scripts, which run on a virtual X server of their own
# (tests/xvfb-session) with no window manager.

# Waits until a visible window with exactly this title exists and prints its id; fails at once
# when the windows cannot be searched. A program may take long to show its first window on a
# busy machine (under Wine, the session starts with it): it is given a minute.
wait_for_window() {
    local title="$1" ids deadline=$((SECONDS + 60))
    while true; do
        ids=$(shown_windows "$title") || return 1
        if [ -n "$ids" ]; then
            head -n 1 <<<"$ids"
            return 0
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "no window titled '$title'" >&2
            return 1
        fi
        sleep 0.05
    done
}

# Prints the ids of the shown windows with this title (a pattern matched whole, in any case),
# none when there are none.
# xdotool exits 1 both when nothing matches and when it cannot search (no X display, say): only
# the latter says anything. Then this fails, and prints a line that is no window id, so that a
# caller comparing the output (expect_eventually "" ...) cannot read a broken search as "no
# window".
shown_windows() {
    local output status
    for _ in $(seq 1 50); do
        status=0
        output=$(xdotool search --onlyvisible --name "^$1\$" 2>&1) || status=$?
        if { [ "$status" = 0 ] && ! grep -qv '^[0-9]\+$' <<<"$output"; } ||
            { [ "$status" = 1 ] && [ -z "$output" ]; }; then
            [ -z "$output" ] || echo "$output"
            return 0
        fi
        # Xlib ends the search when a window it is reading goes away meanwhile: search again.
        grep -q BadWindow <<<"$output" || break
    done
    echo "xdotool search failed (exit code $status): $output" >&2
    echo "xdotool search failed"
    return 1
}

# Prints "left top width height" of a window's client area on the screen.
client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2}
        END {print x, y, w, h}'
}

# Waits for a process to end and prints its exit code; fails after 10 seconds.
wait_for_exit() {
    local pid="$1"
    for _ in $(seq 1 200); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.05
    done
    echo "process $pid did not end" >&2
    kill "$pid"
    return 124
}

expect_equal() {
    if [ "$1" != "$2" ]; then
        echo "FAIL: $3: got '$1', expected '$2'" >&2
        exit 1
    fi
}

# Clicks at a window-relative position. The X server hands the program its events in the
# order they were made, so what follows a click is handled after it; a caller that needs the
# click's effect waits for that effect.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Runs the command until it succeeds, for up to 10 seconds; fails the test with `what` if it
# never does.
wait_until() {
    local what="$1"
    shift
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    echo "FAIL: $what" >&2
    exit 1
}

# Prints the ids of the shown popups (an opened drop-down list, a menu): the windows drawn
# without a window manager's frame, whichever program shows them.
shown_popups() {
    local ids id
    ids=$(shown_windows '.*') || return 1
    for id in $ids; do
        # A window may go away between the search and this look at it.
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
            echo "$id"
        fi
    done
}
# A search that failed ends the test: neither answer could be trusted.
popup_shown() {
    local popups
    popups=$(shown_popups) || exit 1
    [ -n "$popups" ]
}
no_popup_shown() {
    local popups
    popups=$(shown_popups) || exit 1
    [ -z "$popups" ]
}

# Saves a picture of the window once it has been drawn: when three pictures taken a tenth of a
# second apart are the same, and not of one colour, as a window not drawn yet is.
settled_screenshot() {
    local window="$1" file="$2" previous same=0
    previous=$(mktemp --suffix=.png)
    import -window "$window" "$previous"
    for _ in $(seq 1 100); do
        sleep 0.1
        import -window "$window" "$file"
        if [ "$(compare -metric AE "$previous" "$file" null: 2>&1)" = 0 ] &&
            [ "$(identify -format '%k' "$file")" -gt 1 ]; then
            same=$((same + 1))
        else
            same=0
        fi
        if [ "$same" -eq 2 ]; then
            rm -f "$previous"
            return 0
        fi
        cp "$file" "$previous"
    done
    rm -f "$previous"
    echo "FAIL: the window $window kept changing" >&2
    exit 1
}

# Enters the example batch, 4 pieces of 6" Sch 80 pipe 6000 mm long, into the calculator window
# $2 and presses " Calc.". $1 clicks at a position given in the window's designed coordinates:
# click_at, or the caller's own where a frame or a scale factor lies between them.
enter_sch80_example() {
    local click="$1" window="$2"
    "$click" "$window" 339 123 # Image4, the Sch 80 thumbnail
    "$click" "$window" 219 170 # the size box's arrow
    # Keys go to the list only once it is up, and a click reaches the window only once the
    # list, which holds the mouse while it is up, is gone.
    wait_until "the size list opened" popup_shown
    xdotool key --delay 50 Down Down Down Down Down Down Down Down Down Down Down Return
    wait_until "the size list closed" no_popup_shown
    "$click" "$window" 152 218 # the length box
    xdotool key ctrl+a && xdotool type --delay 50 6000
    "$click" "$window" 152 274 # the quantity box
    xdotool key ctrl+a && xdotool type --delay 50 4
    "$click" "$window" 308 197 # " Calc."
}

# The program's labels need the accessibility bus running before the program starts.
start_accessibility_bus() {
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0).childCount' 2>/dev/null
}

read_labels() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" labels "$1" "$2"
}

# Succeeds when the program's window with this title is its active window, the one whose
# focused control shows its focus.
window_active() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" active "$1" "$2"
}

# The result labels are read as "<caption>: <text>" (their accessibleCaption in calc/Unit1.ui).
result_captions='Weight in kilograms|Weight in pounds|Length in inches'

# The displayed text of the label whose top-left corner is at this window-relative position:
# a result label's caption is dropped.
label_at() {
    awk -F '\t' -v x="$2" -v y="$3" '$1 == x && $2 == y { print $3; exit }' <<<"$1" |
        sed -E "s/^(${result_captions}): //"
}

# Runs the command until it prints the expected text, for up to 10 seconds: the program
# handles the clicks and keys sent to it in its own time.
expect_eventually() {
    local expected="$1" what="$2" actual=""
    shift 2
    for _ in $(seq 1 100); do
        actual=$("$@")
        [ "$actual" = "$expected" ] && return 0
        sleep 0.1
    done
    echo "FAIL: $what: got '$actual', expected '$expected'" >&2
    exit 1
}
