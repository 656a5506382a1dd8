#!/usr/bin/env bash
# Keeps the house one-way: a room includes only the rooms below it, and the rooms below
# the toolkit line include no Qt at all. Exits 1 and names every include that breaks it.
#   tools/check_rooms.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The rooms from the bottom up. Rooms on one line are siblings: window rooms never
# include each other. tests/, tools/ and bench/ stand on top and may include any room.
rooms=(
  "game"                      # rules and the game loop, and every other rule without a toolkit
  "store"                     # the data file, its lists and its save path
  "kit"                       # what several windows share: frame, style, pictures, keys, clock
  "play scores info menus"    # one room per window family
  "startup"                   # the entry point: builds every window and wires them
)
below_toolkit=(game store)

declare -A rank
for i in "${!rooms[@]}"; do
  for room in ${rooms[$i]}; do rank[$room]=$i; done
done

status=0
for room in "${!rank[@]}"; do
  [ -d "$room" ] || continue
  while IFS= read -r -d '' file; do
    while IFS= read -r include; do
      target=${include%%/*}
      [ -n "${rank[$target]+set}" ] || continue
      if [ "$target" != "$room" ] && [ "${rank[$target]}" -ge "${rank[$room]}" ]; then
        echo "$file includes \"$include\": $target is not below $room"
        status=1
      fi
    done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
  done < <(find "$room" -name '*.h' -print0 -o -name '*.cpp' -print0)
done

for room in "${below_toolkit[@]}"; do
  if hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' --include='*.h' --include='*.cpp' "$room"); then
    echo "$hits" | sed 's/$/   (no Qt below the toolkit line)/'
    status=1
  fi
done

[ "$status" -eq 0 ] && echo "Every include points down: ${rooms[*]}"
exit "$status"
