#!/usr/bin/env bash
# Start-up with a large design on the command line: the time from starting the
# program to its main window being shown with the file, and the memory it then
# holds. Runs the real program under a private X server.
# Usage: bench/startup.sh BUILD_DIR [COLSxROWS]
set -euo pipefail
build=${1:?build folder}
size=${2:-999x999}
work=$(mktemp -d)
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
app_pid=; xvfb_pid=
# A copy of the program in a folder of its own keeps data.dat and the history there.
cp "$build/tessell" "$work/tessell"
"$build/tessell-cli" new "$size" -o "$work/design.tsl"
fd_file="$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$fd_file")
start=$(date +%s.%N)
"$work/tessell" "$work/design.tsl" >/dev/null 2>&1 &
app_pid=$!
# xdotool's own --sync waits half a second between looks; look every 5 ms.
until xdotool search --onlyvisible --name "design.tsl" >/dev/null 2>&1; do sleep 0.005; done
shown=$(date +%s.%N)
sleep 1
rss=$(awk '/VmRSS/ {print $2}' /proc/$app_pid/status)
hwm=$(awk '/VmHWM/ {print $2}' /proc/$app_pid/status)
awk -v s="$start" -v e="$shown" -v n="$size" 'BEGIN { printf "start to main window shown (%s): %.0f ms\n", n, (e - s) * 1000 }'
printf 'memory with the design open: %d MB (peak %d MB)\n' $((rss / 1024)) $((hwm / 1024))
