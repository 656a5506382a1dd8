#!/usr/bin/env bash
# Sets up, builds and then plays or tests the game on Debian 12.
#   ./quorelin.sh play   install what is missing, build, start the game
#   ./quorelin.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev libgtest-dev fonts-dejavu-core fonts-comfortaa)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Builds the given targets, or everything.
build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)" ${1:+--target "$@"}
}

case "${1:-}" in
  play)
    install_missing
    build quorelin
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "The game needs a graphical display, and none was found (DISPLAY is not set)." >&2
      echo "It is built in ./build; start this command again from a desktop session." >&2
      exit 1
    fi
    # The game keeps its data file in the folder it runs in: one folder per user,
    # seeded with the shipped lists the first time.
    data="${XDG_DATA_HOME:-$HOME/.local/share}/quorelin"
    mkdir -p "$data"
    for f in Quorelin.dat Quorelincopy.dat; do
      [ -e "$data/$f" ] || cp "data/$f" "$data/$f"
    done
    game="$PWD/build/shell/quorelin"
    cd "$data"
    exec "$game"
    ;;
  test)
    install_missing
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
