#!/usr/bin/env bash
# The whole `tessell-cli convert` against ImageMagick's closest equivalent, on a
# 6028 x 3391 24-bit bitmap (20 megapixels) into a 160 x 100 design: the best
# wall time of each over a few runs, the ratio, and the peak memory of
# tessell-cli against the decoded picture (32 bits a pixel).
# Usage: bench/convert-vs-imagemagick.sh [BUILD_DIR]   (default build-bench; RUNS=5)
set -euo pipefail
build=${1:-build-bench}
runs=${RUNS:-5}
cli=$build/tessell-cli
fixtures=$build/bench/scan_fixtures
# The real ImageMagick; another `convert` may come first on PATH.
magick=/usr/bin/convert
for tool in "$cli" "$fixtures" "$magick" /usr/bin/time; do
    [ -x "$tool" ] || { echo "missing $tool (make bench builds it; scripts/install-deps installs the rest)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$fixtures" "$work"

width=6028 height=3391 columns=160 rows=100
# The block size of the conversion, and the enlarged picture ImageMagick samples to.
q=$((width / columns + 1))
if [ $((rows * q)) -lt "$height" ]; then q=$((height / rows + 1)); fi
ew=$((columns * q)) eh=$((rows * q))

# Best wall time in milliseconds of $runs runs of the command.
best_ms() {
    local best=""
    for _ in $(seq "$runs"); do
        local start end ms
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        ms=$(((end - start) / 1000000))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

peak_kb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {print $2}'; }

paint=(convert "$work/in.bmp" --design "$work/design.tsl" -o "$work/paint.tsl")
diffusion=(convert "$work/in.bmp" --design "$work/design.tsl" --diffusion -o "$work/diffusion.tsl")
imagemagick=("$magick" "$work/in.bmp" -sample "${ew}x${eh}!" -scale "${columns}x${rows}!" +dither
             -remap "$work/halftone.png" -dither FloydSteinberg -remap "$work/palette.png" "$work/out.png")

paint_ms=$(best_ms "$cli" "${paint[@]}")
diffusion_ms=$(best_ms "$cli" "${diffusion[@]}")
magick_ms=$(best_ms "${imagemagick[@]}")
paint_kb=$(peak_kb "$cli" "${paint[@]}")
diffusion_kb=$(peak_kb "$cli" "${diffusion[@]}")
magick_kb=$(peak_kb "${imagemagick[@]}")
decoded_kb=$((width * height * 4 / 1024))

echo "picture ${width} x ${height}, 24-bit bitmap; design ${columns} x ${rows}; q ${q}, enlarged ${ew} x ${eh}; best of ${runs}"
printf '%-34s %6d ms  peak %7d KB\n' "tessell-cli convert (paint)" "$paint_ms" "$paint_kb"
printf '%-34s %6d ms  peak %7d KB\n' "tessell-cli convert --diffusion" "$diffusion_ms" "$diffusion_kb"
printf '%-34s %6d ms  peak %7d KB\n' "ImageMagick convert" "$magick_ms" "$magick_kb"
awk -v p="$paint_ms" -v d="$diffusion_ms" -v m="$magick_ms" \
    'BEGIN { printf "ImageMagick / tessell-cli: %.1f times (paint), %.1f times (diffusion)\n", m / (p ? p : 1), m / (d ? d : 1) }'
awk -v a="$paint_kb" -v b="$diffusion_kb" -v d="$decoded_kb" \
    'BEGIN { m = a > b ? a : b; printf "tessell-cli peak memory: %d KB, %.2f times the decoded picture (%d KB)\n", m, m / d, d }'
