#!/usr/bin/env bash
# Runs the built calculator on a virtual X display as a person would use it: types a sum,
# copies the result and reads it back from the clipboard, switches to RPN with three values on
# the stack, takes a screenshot of each mode, and leaves through the exit strip.
#   desktop_e2e.sh NUVRA_PROGRAM [SCREENSHOT_FOLDER [SCALE]]
set -u
program=$1
shots=${2:-}
scale=${3:-1}
export QT_SCALE_FACTOR=$scale
# The test runner asks for the offscreen platform; this test needs a real X display.
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
export NUVRA_CONFIG_DIR=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" "$NUVRA_CONFIG_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# No splash and no gear dialog, so the frame is the first window and keeps its width.
printf '[Settings]\nSplash=0\nGear_Dialog=0\n' > "$NUVRA_CONFIG_DIR/Nuvra.ini"
passes=0
failures=0

expect() {
    if [ "$2" == "$3" ]; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

finish() {
    [ -n "${calc:-}" ] && kill "$calc" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# A display number the X server picks itself, so parallel runs do not collide.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
export DISPLAY=:$(head -n1 "$work/display")

"$program" >"$work/nuvra.log" 2>&1 &
calc=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Nuvra$' | head -n1)
if [ -z "$window" ]; then
    echo "FAIL the calculator's frame never appeared"
    cat "$work/nuvra.log"
    exit 1
fi
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.3

screenshot() {
    [ -n "$shots" ] || return 0
    mkdir -p "$shots"
    sleep 0.3
    import -window "$window" "$shots/$1.png"
}

xdotool type --delay 40 '2+3*4='
xdotool key --delay 40 ctrl+c
sleep 0.3
expect "copied result" "20" "$(timeout 5 xclip -o -selection clipboard)"
screenshot algebraic

# The system-wide restore key answers with its popup even while the calculator is shown.
xdotool key --delay 40 ctrl+shift+r
popup=$(timeout 5 xdotool search --sync --onlyvisible --name '^Nuvra Popup$' | head -n1)
expect "Ctrl+Shift+R reaches the calculator" "yes" "$([ -n "$popup" ] && echo yes || echo no)"
for _ in $(seq 100); do
    [ -z "$(xdotool search --onlyvisible --name '^Nuvra Popup$')" ] && break
    sleep 0.05
done
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 0.2

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

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
