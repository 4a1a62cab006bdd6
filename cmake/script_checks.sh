# Sourced by the test scripts: `expect NAME EXPECTED ACTUAL` counts a check, shows a failing
# one with both texts quoted, and `checks_done` prints the count and fails when any check did.
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

checks_done() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# Starts a virtual X server on a display number it picks itself (so parallel runs do not
# collide), with its log in folder $1; sets `xvfb` to its process and exports DISPLAY.
start_xvfb() {
    exec 3<> "$1/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
    xvfb=$!
    # A busy machine may take a while to start the server.
    for _ in $(seq 400); do
        [ -s "$1/display" ] && break
        sleep 0.05
    done
    if [ ! -s "$1/display" ]; then
        echo "FAIL the X server did not start"
        cat "$1/xvfb.log"
        return 1
    fi
    export DISPLAY=:$(head -n1 "$1/display")
    # The number comes before the server takes clients; a loaded machine shows the gap.
    for _ in $(seq 200); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "FAIL the X server on $DISPLAY does not answer"
    cat "$1/xvfb.log"
    return 1
}

# A fresh calculator for the desktop tests: the xcb platform (the test runner asks for
# offscreen), settings and runtime folders under folder $1, and no splash and no gear dialog, so
# the frame is the first window and keeps its width.
prepare_calculator_run() {
    export QT_QPA_PLATFORM=xcb
    export NUVRA_CONFIG_DIR=$1/config
    export XDG_RUNTIME_DIR=$1/runtime
    mkdir -p "$XDG_RUNTIME_DIR" "$NUVRA_CONFIG_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    printf '[Settings]\nSplash=0\nGear_Dialog=0\n' >"$NUVRA_CONFIG_DIR/Nuvra.ini"
}
