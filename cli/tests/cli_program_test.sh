#!/usr/bin/env bash
# Runs the built nuvra-cli as a script would: outputs, batch input and exit statuses.
set -u
cli=$1
. "$(dirname "$0")/../../cmake/script_checks.sh"

expect "left to right" "20" "$("$cli" keys '2+3*4=')"
expect "undefined" "undefined" "$("$cli" keys '8/0=')"
expect "rpn json" '{"shown":"2","entry":"2","stack":["8"],"history":[[" 5 +3","8"]],"beeps":0}' \
    "$("$cli" keys --json --rpn '5{Enter}3+2')"
expect "number" "12" "$("$cli" number 12abc)"
expect "batch" $'20\n.5' "$(printf '2+3*4=\n1/2=\n' | "$cli" keys -)"

message=$("$cli" number 5 2>&1 >/dev/full)
expect "full output device exits 1" "1" "$?"
expect "full output device is named" "nuvra-cli: cannot write the output: No space left on device" \
    "$message"
message=$("$cli" keys - 2>&1 >/dev/full <<<$'1+2=\n3*4=')
expect "full output device in a batch exits 1" "1" "$?"

message=$("$cli" sci Sin hello 2>&1)
expect "display that is no number exits 2" "2" "$?"
expect "display that is no number is named" "nuvra-cli sci: the display 'hello' is no number" \
    "$message"

"$cli" >/dev/null 2>&1
expect "no command exits 2" "2" "$?"
"$cli" frobnicate >/dev/null 2>&1
expect "unknown command exits 2" "2" "$?"

rm -rf "$NUVRA_CONFIG_DIR"
"$cli" setting Nuvra Settings Splash >/dev/null
expect "absent setting exits 1" "1" "$?"
"$cli" setting Nuvra Settings Splash 0
expect "written setting reads back" "0" "$("$cli" setting Nuvra Settings Splash)"

checks_done
