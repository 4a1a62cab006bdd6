#!/usr/bin/env bash
# The settings store under concurrent writers, some of them killed mid-write: every write that
# nuvra-cli reported as done must survive, the file must stay readable, the keys written before
# must stay, and the next write must succeed and leave no temporary file behind.
#
#   store_fault_test.sh NUVRA_CLI [WRITERS [KEYS_PER_WRITER]]
#
# WRITERS processes (8) each write KEYS_PER_WRITER keys (500) of their own, one nuvra-cli run
# per key, while a loop starts further writers and kills each after 0-5 ms with SIGKILL. The
# store is the folder NUVRA_CONFIG_DIR names; it is emptied first.
set -u
cli=$1
writers=${2:-8}
keys=${3:-500}
store=${NUVRA_CONFIG_DIR:?NUVRA_CONFIG_DIR must name the folder of the store under test}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
started=$SECONDS

fail() {
    failures=$((failures + 1))
    printf 'FAIL %s\n' "$*"
}

setting() {
    "$cli" setting Nuvra "$@"
}

rm -rf "$store"
mkdir -p "$store"

setting Fault before_1 "kept value" || fail "write before the run"
setting Fault before_2 "a=b;c#d" || fail "write before the run"
setting Other before_3 "another section" || fail "write before the run"

# Records each key whose nuvra-cli exited 0.
writer() {
    local i=$1 j
    for ((j = 1; j <= keys; j++)); do
        if setting Fault "w${i}_$j" "value of w${i}_$j" 2>>"$work/errors"; then
            echo "w${i}_$j" >>"$work/done_$i"
        fi
    done
}

# The delay is a read that times out on a pipe nobody writes to: no process per wait, so the
# kills spread over the whole life of a run, lock wait included. The writer is started
# directly, so that the kill hits nuvra-cli itself.
killer() {
    local n=0 pid delay
    mkfifo "$work/never"
    exec 3<>"$work/never"
    while [ ! -e "$work/stop" ]; do
        n=$((n + 1))
        "$cli" setting Nuvra Fault "k_$n" "killed writer $n" 2>/dev/null &
        pid=$!
        printf -v delay '0.%06d' $((RANDOM % 5000))
        read -r -t "$delay" -u 3
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    echo "$n" >"$work/killed"
}

killer &
killer_pid=$!
writer_pids=()
for ((i = 1; i <= writers; i++)); do
    touch "$work/done_$i"
    writer "$i" &
    writer_pids+=($!)
done
wait "${writer_pids[@]}"
touch "$work/stop"
wait "$killer_pid"
killed=$(cat "$work/killed")
file=$store/Nuvra.ini
left=$(find "$store" -maxdepth 1 -name '.Nuvra.ini.*.tmp' | wc -l)

# Every acknowledged write reads back; the others are absent or complete.
for ((i = 1; i <= writers; i++)); do
    for ((j = 1; j <= keys; j++)); do
        echo "w${i}_$j"
    done
done >"$work/keys"
setting Fault - <"$work/keys" >"$work/read" || fail "batch read"
cat "$work"/done_* >"$work/acknowledged"
acknowledged=$(wc -l <"$work/acknowledged")
[ "$acknowledged" -gt 0 ] || fail "no write was acknowledged"
problems=$(paste -d '\t' "$work/keys" "$work/read" |
    awk -F '\t' -v acknowledgedFile="$work/acknowledged" '
        BEGIN { while ((getline key < acknowledgedFile) > 0) acknowledged[key] = 1 }
        {
            want = "value of " $1
            if ($1 in acknowledged) {
                if ($2 != want && ++lost <= 5) print "acknowledged " $1 " reads \"" $2 "\""
            } else if ($2 != "" && $2 != want) {
                print "unacknowledged " $1 " reads \"" $2 "\""
            }
        }
        END { if (lost) print lost " acknowledged writes lost" }')
if [ -n "$problems" ]; then
    while read -r line; do fail "$line"; done <<<"$problems"
fi

# The killed writers' keys are absent or complete too.
seq 1 "$killed" | sed 's/^/k_/' >"$work/killed_keys"
setting Fault - <"$work/killed_keys" | paste -d ' ' "$work/killed_keys" - |
    while read -r key value; do
        [ -z "$value" ] || [ "$value" == "killed writer ${key#k_}" ] || echo "$key:$value"
    done >"$work/torn"
[ ! -s "$work/torn" ] || fail "killed writers left torn values: $(head -3 "$work/torn")"
killed_written=$(setting Fault - <"$work/killed_keys" | grep -c .)

# Every line parses: blank, a header, or key=value; the last line is whole.
if [ -s "$file" ]; then
    bad=$(grep -cvE '^$|^\[[^]]*\]$|^[^=]+=' "$file")
    [ "$bad" -eq 0 ] || fail "$bad lines of the file do not parse"
    [ -z "$(tail -c 1 "$file")" ] || fail "the file ends inside a line"
else
    fail "the settings file is missing or empty"
fi

[ "$(setting Fault before_1)" == "kept value" ] || fail "before_1 changed"
[ "$(setting Fault before_2)" == "a=b;c#d" ] || fail "before_2 changed"
[ "$(setting Other before_3)" == "another section" ] || fail "before_3 changed"

setting Fault after "the next write" || fail "the next write"
[ "$(setting Fault after)" == "the next write" ] || fail "the next write does not read back"
remaining=$(find "$store" -maxdepth 1 -name '.Nuvra.ini.*.tmp' | wc -l)
[ "$remaining" -eq 0 ] || fail "$remaining temporary files left after the next write"

errors=$(grep -c . "$work/errors" 2>/dev/null || true)
echo "$acknowledged of $((writers * keys)) writes acknowledged (${errors:-0} error lines)," \
    "$killed writers killed ($killed_written wrote first), $left temporary files after the run;" \
    "$((SECONDS - started)) s"
[ "$failures" -eq 0 ]
