#!/usr/bin/env bash
# Start-up time to the first window shown, median of N runs on the offscreen platform.
#   bench/measure_startup.sh [BUILD_DIR] [RUNS]
# SCREEN=1920x1080 measures on an offscreen screen of that size, where the game starts
# a second time at its scale.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/data/Quorelin.dat" "$work/"
cd "$work"
platform=offscreen
if [[ -n "${SCREEN:-}" ]]; then
  printf '{"screens": [{"name": "bench", "x": 0, "y": 0, "width": %d, "height": %d, "logicalDpi": 96, "dpr": 1}]}' \
    "${SCREEN%x*}" "${SCREEN#*x}" >"$work/screen.json"
  platform="offscreen:configfile=$work/screen.json"
fi
for _ in $(seq "$runs"); do
  QT_QPA_PLATFORM=$platform "$build/bench/startup_bench" 2>/dev/null | awk '/startup_ms/ {print $2}'
done | sort -n | awk '{v[NR]=$1} END {printf "runs %d  median %.1f ms  min %.1f ms  max %.1f ms\n", NR, v[int((NR+1)/2)], v[1], v[NR]}'
