#!/usr/bin/env bash
# Installs the build into a temporary root and plays the part of a new player: the
# installed launcher makes the data folder with both files, the game starts and ends on
# a termination signal, and a second run keeps the player's changed file. Then the desktop
# entry and the AppStream file must pass their validators.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

DESTDIR="$root/dest" cmake --install "$build" --prefix /usr >/dev/null
prefix="$root/dest/usr"
home="$root/home"
# A new player's environment; a sanitizer build keeps its settings.
clean_env=(env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen)
for var in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!var:-}" ] && clean_env+=("$var=${!var}")
done
mkdir -p "$home"
data="$home/.local/share/quorelin"

# Starts the installed launcher as a new player would, ends the game with SIGTERM once
# it has run for a while, and returns its exit status.
play() {
  "${clean_env[@]}" "$prefix/bin/quorelin" >"$root/out" 2>"$root/err" &
  local pid=$!
  sleep 1
  touch "$root/started"
  sleep 2
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid"
}

check "--version answers without a display" \
  bash -c "$(printf '%q ' "${clean_env[@]}") '$prefix/bin/quorelin' --version | grep -qx 'Quorelin 2023-12'"
check "an unknown option is refused with status 2" \
  bash -c "$(printf '%q ' "${clean_env[@]}") '$prefix/bin/quorelin' --colour 2>/dev/null; test \$? -eq 2"
check "the shipped defaults are installed" \
  test -f "$prefix/share/quorelin/Quorelin.dat" -a -f "$prefix/share/quorelin/Quorelincopy.dat"

status=0
play || status=$?
# A termination signal saves and then ends the game as the signal does (128 + 15).
check "the first run ends on SIGTERM (status $status)" test "$status" -eq 0 -o "$status" -eq 143
check "the data folder holds both files" test -f "$data/Quorelin.dat" -a -f "$data/Quorelincopy.dat"
check "the player's file is writable" test -w "$data/Quorelin.dat"
check "the game ran and saved on the signal" test "$data/Quorelin.dat" -nt "$root/started"
check "nothing was reported" \
  test -z "$(grep -v -e XDG_RUNTIME_DIR -e 'plugin does not support' "$root/err")"

# The player's own file survives the next start: language byte 3 (Dutch) stays.
printf '\003' | dd of="$data/Quorelin.dat" bs=1 seek=0 conv=notrunc 2>/dev/null
play || true
check "a second run keeps the changed file" \
  test "$(od -An -tu1 -N1 "$data/Quorelin.dat" | tr -d ' ')" = 3

check "desktop entry valid" desktop-file-validate "$prefix/share/applications/org.quorelin.quorelin.desktop"
check "AppStream metadata valid" \
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.quorelin.quorelin.metainfo.xml"
for size in 16 32 48 64 128 256; do
  check "icon ${size}x${size}" test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/quorelin.png"
done
check "manual page" test -s "$prefix/share/man/man6/quorelin.6.gz"

echo "$failures failed"
test "$failures" -eq 0
