#!/usr/bin/env bash
# Starts the calculator on a virtual X display while another process holds the settings lock,
# as a stuck command-line call would: the frame must come up while the lock is still held,
# with the warning that the settings cannot be saved, and quitting must not wait again.
#   locked_settings_start.sh NUVRA_PROGRAM
set -u
program=$1
. "$(dirname "$0")/../../cmake/script_checks.sh"
work=$(mktemp -d)
prepare_calculator_run "$work"

finish() {
    [ -n "${calc:-}" ] && kill "$calc" 2>/dev/null
    [ -n "${holder:-}" ] && kill "$holder" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

start_xvfb "$work" || exit 1

# The holder is sleep itself, with the lock on its descriptor 9, for far longer than the test.
hold_seconds=60
(exec 9>"$NUVRA_CONFIG_DIR/.Nuvra.ini.lock" && flock 9 && exec sleep $hold_seconds) &
holder=$!
for _ in $(seq 50); do
    flock -n "$NUVRA_CONFIG_DIR/.Nuvra.ini.lock" true || break
    sleep 0.1
done

started=$(date +%s%N)
"$program" >"$work/nuvra.log" 2>&1 &
calc=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Nuvra$' | head -n1)
mapped=$(( ($(date +%s%N) - started) / 1000000 ))
expect "frame mapped while the lock is held" "yes" "$([ -n "$window" ] && echo yes)"
echo "locked settings: the frame mapped after $mapped ms"
warning=$(timeout 10 xdotool search --sync --onlyvisible --name '^Nuvra Popup$' | head -n1)
expect "warning shown" "yes" "$([ -n "$warning" ] && echo yes)"
expect "lock still held by the other process" "yes" "$(kill -0 "$holder" && echo yes)"

# The exit sequence writes a dozen keys; a read-only run does not wait for any of them.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
started=$(date +%s%N)
xdotool key --delay 40 ctrl+e Right Return
for _ in $(seq 200); do
    kill -0 "$calc" 2>/dev/null || break
    sleep 0.05
done
quit=$(( ($(date +%s%N) - started) / 1000000 ))
kill -0 "$calc" 2>/dev/null && expect "program ended through the exit strip" "ended" "running"
calc=
expect "lock held until the end" "yes" "$(kill -0 "$holder" && echo yes)"
echo "locked settings: leaving through the exit strip took $quit ms"
expect "settings untouched" "$(printf '[Settings]\nSplash=0\nGear_Dialog=0')" \
    "$(cat "$NUVRA_CONFIG_DIR/Nuvra.ini")"

checks_done
