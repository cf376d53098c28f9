#!/usr/bin/env bash
# Peak memory and wall time of `tessell-cli convert` on pictures that claim far
# more than their files hold (a 16-bit PNG of 10000 x 10000, a run-length
# bitmap cut short, a JPEG whose size was patched to 10000 x 10000, a PNG with
# a chunk claiming 1.8 GB), and on the largest pictures the loader still takes.
# Target: under 450 MB each.
# Usage: bench/picture-bombs.sh [BUILD_DIR]   (default build-bench)
set -euo pipefail
build=${1:-build-bench}
cli=$build/tessell-cli
bombs=$build/bench/picture_bombs
for tool in "$cli" "$bombs" /usr/bin/time; do
    [ -x "$tool" ] || { echo "missing $tool (make bench builds it)" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bombs" "$work"

printf '%-44s %9s %8s %5s  %s\n' "picture" "file" "peak MiB" "exit" "message"
for name in png16.png rle-short.bmp jpeg-patched.jpg png-long-chunk.png grey-100mp.png rgba-100mp.png; do
    start=$(date +%s%N)
    set +e
    /usr/bin/time -v -o "$work/time.txt" "$cli" convert "$work/$name" --design "$work/design.tsl" \
        -o "$work/out.tsl" >/dev/null 2>"$work/err.txt"
    status=$?
    set -e
    ms=$((($(date +%s%N) - start) / 1000000))
    kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    lines=$(wc -l < "$work/err.txt")
    printf '%-44s %7d K %8d %5d  %s (%d lines on stderr, %d ms)\n' "$name" \
        $(( $(stat -c %s "$work/$name") / 1024 )) $((kb / 1024)) "$status" \
        "$(head -n 1 "$work/err.txt")" "$lines" "$ms"
    rm -f "$work/out.tsl"
done
