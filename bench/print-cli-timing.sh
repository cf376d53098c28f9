#!/usr/bin/env bash
# Times the whole process of `tessell-cli print` to a PDF, monochrome and colour
# (the colour run with the overview and the neighbour columns), and reports the
# PDF's size:
#   - the 22 class pages of a 160 x 100 design (7x7,7x7,8x7); target under 2 s;
#   - the 17 pages of a 999 x 100 design, 58 columns a class; target 0.6 s and 1 MB;
#   - the 88 large-print sheets of the 160 x 100 design, 25 rows a sheet.
# Usage: bench/print-cli-timing.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build-bench}
runs=${2:-5}
cli="$build/tessell-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A design with sixteen coloured, named entries and rings of every number.
design() {
  awk -v cols="$1" -v rows="$2" 'BEGIN {
    printf "tsfile,%d,%d\r\n", cols, rows
    split("E53935 FB8C00 FDD835 C0CA33 43A047 00897B 00ACC1 039BE5 1E88E5 283593 8E24AA D81B60 6D4C41 9E9E9E 212121 FFFFFF", rgb, " ")
    for (n = 1; n <= 16; n++) {
      bgr = "00" substr(rgb[n], 5, 2) substr(rgb[n], 3, 2) substr(rgb[n], 1, 2)
      line = ""
      for (i = 0; i < 20; i++) line = line "$" bgr ","
      printf "%sColour%d\r\n", line, n - 1
    }
    digits = "0123456789ABCDEF"
    for (r = 0; r < rows; r++) {
      line = ""
      for (c = 0; c < cols; c++) {
        dx = c - cols / 2; dy = (r - rows / 2) * 1.6
        v = int(sqrt(dx * dx + dy * dy) / 6) % 16
        line = line (c ? "," : "") substr(digits, v + 1, 1)
      }
      printf "%s\r\n", line
    }
  }'
}
design 160 100 > "$work/mural.tsl"
design 999 100 > "$work/wide.tsl"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# time NAME DESIGN ARGS...: runs `tessell-cli print` RUNS times in both colour modes.
time_print() {
  local name=$1 file=$2
  shift 2
  for mode in monochrome colour; do
    local extra=()
    [ "$mode" = colour ] && extra=(--color --overview --neighbours)
    local times=()
    for _ in $(seq "$runs"); do
      local start
      start=$(now_ms)
      "$cli" print "$file" "$@" --title "Bench" --notes "Notes" "${extra[@]}" -o "$work/pages.pdf"
      times+=($(( $(now_ms) - start )))
    done
    local sorted
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    echo "tessell-cli print, $name, $mode: best ${sorted[0]} ms, median ${sorted[$((runs / 2))]} ms" \
         "($runs runs; PDF $(stat -c %s "$work/pages.pdf") bytes)"
  done
}
time_print "22 pages" "$work/mural.tsl" --classes 7x7,7x7,8x7
time_print "17 pages of 58 columns" "$work/wide.tsl" --classes 17x58
if "$cli" print --help 2>&1 | grep -q -- --large; then
  time_print "88 large-print sheets" "$work/mural.tsl" --classes 7x7,7x7,8x7 --large
fi
