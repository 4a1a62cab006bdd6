#!/usr/bin/env bash
# Runs the built calculator on a virtual X display as a person would use it: types a sum,
# copies the result and reads it back from the clipboard, opens the Butler bar with F1 and reads
# a key's help from it as a screen reader does (AT-SPI), uses a key of the scientific toolbox
# and its statistics page and a formula of the Equation toolbox, plots a curve and copies it,
# switches to RPN with three values on the stack, takes a screenshot of each, and leaves through
# the exit strip.
#   desktop_e2e.sh NUVRA_PROGRAM [SCREENSHOT_FOLDER [SCALE]]
set -u
program=$1
shots=${2:-}
scale=${3:-1}
export QT_SCALE_FACTOR=$scale
. "$(dirname "$0")/../../cmake/script_checks.sh"
work=$(mktemp -d)
prepare_calculator_run "$work"

finish() {
    [ -n "${calc:-}" ] && kill "$calc" 2>/dev/null
    [ -n "${a11y_registry:-}" ] && kill "$a11y_registry" 2>/dev/null
    # The launcher reaps its accessibility bus only when that bus ends first, then ends itself.
    if [ -n "${a11y_launcher:-}" ]; then
        kill $(cat /proc/"$a11y_launcher"/task/*/children 2>/dev/null) 2>/dev/null
        for _ in $(seq 50); do
            [ -z "$(cat /proc/"$a11y_launcher"/task/*/children 2>/dev/null)" ] && break
            sleep 0.02
        done
        kill "$a11y_launcher" 2>/dev/null
    fi
    [ -n "${session_bus:-}" ] && kill "$session_bus" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

start_xvfb "$work" || exit 1

# A private session bus and accessibility bus on this display only, so the windows can be read
# as a screen reader reads them without touching the desktop the test was started from.
unset NO_AT_BRIDGE AT_SPI_BUS_ADDRESS
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/session_bus
dbus-daemon --config-file=/usr/share/dbus-1/session.conf --address="$DBUS_SESSION_BUS_ADDRESS" \
    --nofork >"$work/session_bus.log" 2>&1 &
session_bus=$!
for _ in $(seq 100); do
    [ -S "$work/session_bus" ] && break
    sleep 0.02
done
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$work/a11y_bus.log" 2>&1 &
a11y_launcher=$!
# Asking only whether the name has an owner, so the bus does not start a launcher of its own.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.02
done
/usr/libexec/at-spi2-registryd >"$work/a11y_registry.log" 2>&1 &
a11y_registry=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
atspi_read() { /usr/bin/python3 "$(dirname "$0")/atspi_read.py" "$@"; }

"$program" >"$work/nuvra.log" 2>&1 &
calc=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Nuvra$' | head -n1)
if [ -z "$window" ]; then
    echo "FAIL the calculator's frame never appeared"
    cat "$work/nuvra.log"
    echo "X server on $DISPLAY:"
    cat "$work/xvfb.log"
    exit 1
fi
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.3

screenshot() {
    [ -n "$shots" ] || return 0
    mkdir -p "$shots"
    sleep 0.3
    import -window "${2:-$window}" "$shots/$1.png"
}

xdotool type --delay 40 '2+3*4='
xdotool key --delay 40 ctrl+c
sleep 0.3
expect "copied result" "20" "$(timeout 5 xclip -o -selection clipboard)"
screenshot algebraic

# F1 opens the Butler bar; with the pointer over the 7 key it says what the key does, and a
# screen reader hears the same through the bar's help label.
expect "display read by a screen reader" "20" \
    "$(atspi_read --timeout 5 --role label --expect 20 Nuvra Nuvra 20)"
xdotool key --delay 40 F1
butler=$(timeout 5 xdotool search --sync --onlyvisible --name '^Butler \(Help\)$' | head -n1)
expect "F1 opens the Butler bar" "yes" "$([ -n "$butler" ] && echo yes || echo no)"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The 7 key: the main window at 120/230 twips in the frame, the key at 90/855, 465 x 480.
xdotool mousemove $((X + (120 + 90 + 232) * scale / 15)) $((Y + (230 + 855 + 240) * scale / 15))
expect "hover help of the 7 key read from the Butler bar" "The Number / Digit 7." \
    "$(atspi_read --timeout 5 --description 'What the pointer is over' --field name \
        --expect 'The Number / Digit 7.' Nuvra 'Butler (Help)')"
if [ -n "$shots" ] && [ -n "$butler" ]; then
    # Below the frame, where the whole bar fits on the screen, once its cover has gone.
    xdotool windowmove "$butler" "$X" $((Y + HEIGHT + 8 * scale))
    sleep 1.5
    screenshot butler "$butler"
fi
xdotool key --delay 40 F1
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.2

# click_at WINDOW LEFT TOP: a click at a place of a window, in twips from its top-left corner.
click_at() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2 * scale / 15)) $((Y + $3 * scale / 15)) click 1
    sleep 0.2
}
focus_frame() {
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 0.2
}
# The shortcut's popup stands over the middle of the frame for a moment; clicks wait for it.
popup_gone() {
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name '^Nuvra Popup$')" ] && return
        sleep 0.05
    done
}
# open_toolbox KEYS TITLE: presses the keys into the frame and prints the id of the window with
# that title (nothing when it never shows), moved into the screen's corner, where the whole
# window fits at any scale, once the shortcut's popup is gone.
open_toolbox() {
    xdotool key --delay 40 "$1"
    local id
    id=$(timeout 5 xdotool search --sync --onlyvisible --name "^$2\$" | head -n1)
    if [ -n "$id" ]; then
        xdotool windowmove --sync "$id" 0 0 2>/dev/null || xdotool windowmove "$id" 0 0
        popup_gone
    fi
    echo "$id"
}
copied() {
    focus_frame
    xdotool key --delay 40 ctrl+c
    sleep 0.3
    timeout 5 xclip -o -selection clipboard
}

# Ctrl+S opens the scientific toolbox beside the frame; its sin key takes the sine of 30
# degrees. Its statistics page lists what Insert takes from the display.
xdotool type --delay 40 '30'
sci=$(open_toolbox ctrl+s Scientific)
expect "Ctrl+S opens the scientific toolbox" "yes" "$([ -n "$sci" ] && echo yes || echo no)"
if [ -n "$sci" ]; then
    # The sin key: 100/260 twips on the page, which starts 350 twips down; 700 x 420.
    click_at "$sci" 450 820
    expect "sin 30 on the main display" ".5" "$(copied)"
    # M opens the memory bar under the keys (the M key's centre: 3220 + 350, 1700 + 350 + 210).
    click_at "$sci" 3570 2260
    screenshot scientific "$sci"
    focus_frame
    xdotool key --delay 40 ctrl+t
    popup_gone
    for value in 3 -1 4; do
        focus_frame
        xdotool type --delay 40 "${value#-}"
        [ "${value:0:1}" = "-" ] && xdotool key --delay 40 s
        # Insert: 1900/1580 on the page at 20/580, 1353 x 360.
        click_at "$sci" 2596 2340
    done
    # Mean: 3326/720 on the page, 640 x 360.
    click_at "$sci" 3666 1480
    expect "statistics count read by a screen reader" "Count = 3" \
        "$(atspi_read --timeout 5 --description 'Displays the number of stored Values.' \
            --role label --field name --expect 'Count = 3' Nuvra Scientific)"
    expect "mean of the list" "2" \
        "$(atspi_read --timeout 5 --description 'Displays the Results (of Statistical Functions).' \
            --role label --field name --expect 2 Nuvra Scientific)"
    screenshot statistics "$sci"
    focus_frame
    xdotool key --delay 40 ctrl+t
fi
focus_frame

# Ctrl+Q opens the Equation toolbox with the keyboard in its formula field; Enter puts the
# result on the main display.
equation=$(open_toolbox ctrl+q Equation)
expect "Ctrl+Q opens the Equation toolbox" "yes" "$([ -n "$equation" ] && echo yes || echo no)"
if [ -n "$equation" ]; then
    xdotool key --delay 40 ctrl+a BackSpace
    xdotool type --delay 40 '2(3+4)^2 - sin(30)'
    xdotool key --delay 40 Return
    expect "formula result on the main display" "97.5" "$(copied)"
    screenshot equation "$equation"
    focus_frame
    xdotool key --delay 40 ctrl+q
fi
focus_frame

# Ctrl+G opens the plotter; sin(x) typed into its equation field grows on the canvas, and the
# equation bar's Copy puts the canvas on the clipboard as a picture.
graph=$(open_toolbox ctrl+g Graph)
expect "Ctrl+G opens the Graph toolbox" "yes" "$([ -n "$graph" ] && echo yes || echo no)"
if [ -n "$graph" ]; then
    # The equation field: 600/300, 3150 x 330.
    click_at "$graph" 2000 465
    xdotool key --delay 40 ctrl+a BackSpace
    xdotool type --delay 40 'sin(x)'
    xdotool key --delay 40 Return
    # 306 columns at one per 10 ms.
    sleep 4
    # The pull tab opens the equation bar (4095/5340, 420 x 330); its Copy button lies at
    # 1230/1230 in the bar, which starts at 4740/690.
    click_at "$graph" 4305 5505
    click_at "$graph" 6495 2100
    expect "the clipboard holds a picture" "image/png" \
        "$(timeout 5 xclip -o -selection clipboard -t TARGETS | grep -x image/png)"
    timeout 5 xclip -o -selection clipboard -t image/png >"$work/graph.png"
    expect "the picture is the canvas" "$((305 * scale))x$((305 * scale))" \
        "$(identify -format '%wx%h' "$work/graph.png" 2>/dev/null)"
    popup_gone
    screenshot graph "$graph"
    focus_frame
    xdotool key --delay 40 ctrl+g
fi
focus_frame

# The system-wide restore key answers with its popup even while the calculator is shown.
xdotool key --delay 40 ctrl+shift+r
popup=$(timeout 5 xdotool search --sync --onlyvisible --name '^Nuvra Popup$' | head -n1)
expect "Ctrl+Shift+R reaches the calculator" "yes" "$([ -n "$popup" ] && echo yes || echo no)"
popup_gone
focus_frame

xdotool key --delay 40 shift+m
xdotool type --delay 40 '1'
xdotool key --delay 40 Return
xdotool type --delay 40 '2'
xdotool key --delay 40 Return
xdotool type --delay 40 '3'
xdotool key --delay 40 Return
xdotool type --delay 40 '4'
width=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
expect "frame widens for the stack panel" "$((318 * scale))" "$width"
xdotool key --delay 40 ctrl+c
sleep 0.3
expect "RPN display value" "4" "$(timeout 5 xclip -o -selection clipboard)"
screenshot rpn

xdotool key --delay 40 ctrl+e Right Return
for _ in $(seq 100); do
    kill -0 "$calc" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$calc" 2>/dev/null && expect "program ended through the exit strip" "ended" "running"
calc=
expect "mode saved at exit" "Mode State=1" "$(grep -o 'Mode State=.*' "$NUVRA_CONFIG_DIR/Nuvra.ini")"

checks_done
