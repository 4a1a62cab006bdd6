#!/usr/bin/env bash
# nuvra-cli plot without a display: the picture's size and a few of its pixels, the SVG form, the
# plane options as the settings panel corrects them, and the usage and write errors.
set -u
cli=$1
root=${NUVRA_CONFIG_DIR:?}
. "$(dirname "$0")/../../cmake/script_checks.sh"

rm -rf "$root"
mkdir -p "$root"
unset DISPLAY WAYLAND_DISPLAY
# A display platform that would need one: plot must paint offscreen all the same.
export QT_QPA_PLATFORM=xcb

# Runs plot with the arguments; sets `status`, `out` and `err`.
plot() {
    out=$(timeout 10 "$cli" plot "$@" 2>"$root/err")
    status=$?
    err=$(cat "$root/err")
}

# The colour of pixel x,y of picture $1 as "red,green,blue".
pixel() {
    local channel format=""
    for channel in r g b; do
        format+="%[fx:int(255*p{$2,$3}.$channel+0.5)],"
    done
    local rgb
    rgb=$(identify -format "$format" "$1")
    echo "${rgb%,}"
}

# The default plane is 297 pixels wide inside its 4-pixel margins, so both axes are centred on
# 152.5, rounded to the pixel edge 153: the 4-pixel axes cover columns and rows 151..154. The
# legend takes 18 pixels a slot and 6 above and below: 48 for two slots, its swatches 12 pixels
# wide from x 6, 3 pixels down in their slot.
png=$root/two.png
plot 'sin(x)' 'x^2' "$png"
expect "two curves exit 0" "0" "$status"
expect "two curves print nothing" "" "$out$err"
expect "two curves: canvas and a two-slot legend" "305x353" "$(identify -format '%wx%h' "$png")"
expect "top left corner is the canvas" "240,240,240" "$(pixel "$png" 0 0)"
expect "bottom right corner is the canvas" "240,240,240" "$(pixel "$png" 304 304)"
# Both curves pass through the origin; its lower right pixel is clear of them.
expect "axes cross at the centre" "0,0,0" "$(pixel "$png" 154 154)"
expect "y-axis near the top" "0,0,0" "$(pixel "$png" 152 20)"
expect "first swatch has the first colour" "192,0,0" "$(pixel "$png" 12 320)"
expect "second swatch has the second colour" "0,0,255" "$(pixel "$png" 12 338)"
expect "legend background" "255,255,255" "$(pixel "$png" 300 320)"

plot --size 500 'x' "$root/large.png"
expect "size 500 exits 0" "0" "$status"
expect "size 500: side 500, a one-slot legend" "500x530" \
    "$(identify -format '%wx%h' "$root/large.png")"

# Columns 0 to 305 are sampled, and y = x has no gap: one polyline of 306 points.
svg=$root/line.svg
plot 'x' "$svg"
expect "svg exits 0" "0" "$status"
expect "svg starts as XML" "<?xml" "$(head -c 5 "$svg")"
expect "svg canvas and legend" '1' "$(grep -c 'viewBox="0 0 305 335"' "$svg")"
expect "svg curve in the first colour" '1' \
    "$(grep -c 'stroke="#c00000" stroke-opacity="1" stroke-width="2"' "$svg")"
# One comma a point.
longest=$(grep -o 'points="[^"]*"' "$svg" |
    awk '{ points = gsub(/,/, ","); if (points > n) n = points } END { print n }')
expect "svg curve has every column" "306" "$longest"
expect "svg legend names the equation" '1' "$(grep -c '>y = x</text>' "$svg")"

# The axis of x = 0 on a normalised plane, in row 50, away from grid lines and the curve
# (name | options | its four black columns | the clear columns beside them).
# 0..0 becomes 0..1: the axis on the left margin, x 4, so columns 2..5.
# -2.7 is cut to -2: the axis at 4 + 2 / 12 * 297 = 53.5, rounded to 54: columns 52..55.
while IFS='|' read -r name options black clear; do
    # shellcheck disable=SC2086 # the options are words
    plot $options 'x' "$root/$name.png"
    expect "$name exits 0" "0" "$status"
    for column in $black; do
        expect "$name: axis at column $column" "0,0,0" "$(pixel "$root/$name.png" "$column" 50)"
    done
    for column in $clear; do
        expect "$name: canvas at column $column" "240,240,240" \
            "$(pixel "$root/$name.png" "$column" 50)"
    done
done <<'EOF'
equal_bounds|--xmin 0 --xmax 0|2 5|1 6
fraction_cut|--xmin -2.7|52 55|51 56
EOF

# Usage errors: status 2, one line on standard error, no file (name | arguments).
while IFS='|' read -r name arguments; do
    rm -f "$root/bad.png"
    eval "plot $arguments"
    expect "$name exits 2" "2" "$status"
    expect "$name prints nothing" "" "$out"
    expect "$name says one line" "1" "$(printf '%s\n' "$err" | grep -c .)"
    expect "$name writes no file" "no file" "$([ -e "$root/bad.png" ] || echo no file)"
done <<EOF
xmin_not_a_number|--xmin ten x "$root/bad.png"
value_missing|x "$root/bad.png" --yscale
unknown_option|--zoom 2 x "$root/bad.png"
no_out|x
out_of_another_kind|x "$root/bad.png" "$root/bad.jpg"
no_equation|"$root/bad.png"
size_not_whole|--size 30.5 x "$root/bad.png"
size_too_small|--size 15 x "$root/bad.png"
size_too_large|--size 4097 x "$root/bad.png"
standard_input|- "$root/bad.png"
EOF
plot --size 16 'x' "$root/small.png"
expect "smallest size exits 0" "0" "$status"

# A failing equation leaves gaps, not an error: here every column is one.
plot 'sin(' "$root/gaps.png"
expect "bad equation exits 0" "0" "$status"
expect "bad equation is still drawn" "305x335" "$(identify -format '%wx%h' "$root/gaps.png")"

plot 'x' "$root/no-such-folder/out.png"
expect "unwritable file exits 1" "1" "$status"
expect "unwritable file is named" "nuvra-cli plot: cannot write '$root/no-such-folder/out.png'" \
    "$err"

checks_done
