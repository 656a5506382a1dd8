#!/usr/bin/env bash
# A real game in the real play window (offscreen), nobody at the keys, at level 1 and at
# level 19: CPU use of the process, the fall-step interval against the wait rule, and
# hold-ups charged although nobody paused or resized.
#   bench/measure_play.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
seconds=${2:-60}
cmake --build "$build" -j2 --target play_bench >/dev/null
for level in 1 19; do
  QT_QPA_PLATFORM=offscreen "$build/bench/play_bench" "$level" "$seconds" 2>/dev/null
done
