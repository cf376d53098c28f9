#!/usr/bin/env bash
# Times the whole process of `tessell-cli print` for the 22 class pages of a
# 160 x 100 design (7x7,7x7,8x7) to a PDF, monochrome and colour. Target: under
# 2 s a run. Usage: bench/print-cli-timing.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build-bench}
runs=${2:-5}
cli="$build/tessell-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A design with sixteen coloured, named entries and rings of every number.
awk 'BEGIN {
  cols = 160; rows = 100
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
}' > "$work/mural.tsl"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
for mode in monochrome colour; do
  extra=()
  [ "$mode" = colour ] && extra=(--color --overview --neighbours)
  times=()
  for _ in $(seq "$runs"); do
    start=$(now_ms)
    "$cli" print "$work/mural.tsl" --classes 7x7,7x7,8x7 --title "Bench" --notes "Notes" \
      "${extra[@]}" -o "$work/pages.pdf"
    times+=($(( $(now_ms) - start )))
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "tessell-cli print, 22 pages, $mode: best ${sorted[0]} ms, median ${sorted[$((runs / 2))]} ms" \
       "($runs runs; PDF $(stat -c %s "$work/pages.pdf") bytes)"
done
