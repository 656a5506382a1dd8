#!/usr/bin/env bash
# Sets up, builds and then plays or tests the game on Debian 12.
#   ./quorelin.sh play   install what is missing, build, start the game
#   ./quorelin.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ qt6-base-dev libgtest-dev fonts-dejavu-core fonts-comfortaa)
# The install test checks the desktop entry and the AppStream file with these.
test_packages=(desktop-file-utils appstream)

# Installs the given packages that are missing.
install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Builds the given targets, or everything. "strict" first makes every compiler warning
# in our own code an error, as our checks want; otherwise the build keeps the folder's
# setting, which is off until the tests have run there.
build() {
  local strict=()
  if [ "${1:-}" = strict ]; then
    strict=(-DQUORELIN_WERROR=ON)
    shift
  fi
  # Optimised, with line tables for backtraces: full debug information would make the
  # build a quarter slower.
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" "${strict[@]}" >/dev/null
  cmake --build build -j"$(nproc)" ${1:+--target "$@"}
}

case "${1:-}" in
  play)
    install_missing "${packages[@]}"
    build quorelin
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "The game needs a graphical display, and none was found (DISPLAY is not set)." >&2
      echo "It is built in ./build; start this command again from a desktop session." >&2
      exit 1
    fi
    # The same launcher as an installed game: it runs the game in the player's own data
    # folder, seeded with the shipped lists the first time.
    exec build/quorelin-launcher
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    build strict
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
