#!/usr/bin/env bash
# nuvra-cli's setting command when the settings file or its lock is not as it should be: every
# case must end well within three seconds, with an exit status and a message that names the
# cause.
set -u
cli=$1
root=${NUVRA_CONFIG_DIR:?}
. "$(dirname "$0")/../../cmake/script_checks.sh"

# Runs nuvra-cli with a fresh settings folder $1 and a three-second limit; sets `status`,
# `out` and `err`.
run() {
    local folder=$1
    shift
    out=$(NUVRA_CONFIG_DIR=$folder timeout 3 "$cli" "$@" 2>"$root/err")
    status=$?
    err=$(cat "$root/err")
}

rm -rf "$root"
mkdir -p "$root"

fifo=$root/fifo
mkdir -p "$fifo"
mkfifo "$fifo/Nuvra.ini"
run "$fifo" setting Nuvra Settings Splash
expect "fifo: read ends as absent" "1" "$status"
run "$fifo" setting Nuvra Settings Splash 0
expect "fifo: write fails" "1" "$status"
expect "fifo: message" "setting: the settings file $fifo/Nuvra.ini is not a regular file" "$err"

locked=$root/locked
mkdir -p "$locked"
NUVRA_CONFIG_DIR=$locked "$cli" setting Nuvra Settings Splash 1
(exec 9>"$locked/.Nuvra.ini.lock" && flock 9 && exec sleep 20) &
holder=$! # sleep itself, holding the lock
for _ in $(seq 50); do # until the holder has the lock
    flock -n "$locked/.Nuvra.ini.lock" true || break
    sleep 0.1
done
run "$locked" setting Nuvra Settings Splash
expect "held lock: read does not wait" "0 1" "$status $out"
started=$(date +%s%N)
run "$locked" setting Nuvra Settings Splash 0
waited=$(( ($(date +%s%N) - started) / 1000000 ))
expect "held lock: write fails" "1" "$status"
expect "held lock: message" \
    "setting: another program keeps the settings locked: $locked/.Nuvra.ini.lock" "$err"
echo "held lock: the write gave up after $waited ms"
kill "$holder" 2>/dev/null
wait "$holder" 2>/dev/null
run "$locked" setting Nuvra Settings Splash 0
expect "freed lock: write succeeds" "0" "$status"

long=$(printf 'n%.0s' $(seq 300))
run "$root/long" setting "$long" Settings Splash 0
expect "long name: write fails" "1" "$status"
expect "long name: message" \
    "setting: cannot lock the settings file with $root/long/.$long.ini.lock: File name too long" \
    "$err"

checks_done
