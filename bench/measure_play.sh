#!/usr/bin/env bash
# A real game in the real play window (offscreen), nobody at the keys, at level 1 and at
# level 19: CPU use of the process, the fall-step interval against the wait rule, and
# hold-ups charged although nobody paused or resized.
#   bench/measure_play.sh [BUILD_DIR] [SECONDS]
# SCREEN=1920x1080 plays on an offscreen screen of that size, drawn at the game's scale
# for it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
seconds=${2:-60}
cmake --build "$build" -j2 --target play_bench >/dev/null
platform=offscreen
scale=1
if [[ -n "${SCREEN:-}" ]]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  width=${SCREEN%x*}
  height=${SCREEN#*x}
  printf '{"screens": [{"name": "bench", "x": 0, "y": 0, "width": %d, "height": %d, "logicalDpi": 96, "dpr": 1}]}' \
    "$width" "$height" >"$work/screen.json"
  platform="offscreen:configfile=$work/screen.json"
  scale=$(awk -v w="$width" -v h="$height" 'BEGIN {s = w / 1024; if (h / 768 < s) s = h / 768; print (s >= 1.15 ? s : 1)}')
fi
for level in 1 19; do
  QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=$platform "$build/bench/play_bench" "$level" "$seconds" 2>/dev/null
done
