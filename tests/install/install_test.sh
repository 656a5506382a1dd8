#!/usr/bin/env bash
# Installs the build into a temporary root and plays the part of a new player: the game,
# started by the installed launcher, makes the data folder with both files, starts and
# ends on a termination signal, and a second run keeps the player's changed file. A
# class-room folder named by QUORELIN_DATA_DIR is made the same way, and a file-size limit
# below one record fails the save without killing the game. Then the desktop entry and
# the AppStream file must pass their validators.
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

# Starts the installed launcher as a new player would, with the environment given (VAR=...
# words), ends the game with SIGTERM once it has run for a while, and returns its exit
# status.
play() {
  "${clean_env[@]}" "$@" "$prefix/bin/quorelin" >"$root/out" 2>"$root/err" &
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
check "--help says where the scores are kept" \
  bash -c "$(printf '%q ' "${clean_env[@]}") '$prefix/bin/quorelin' --help | grep -q '$data'"
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

# A file-size limit below one record: the save at the end fails and says so; the game
# ends on the signal, not killed by the limit, and leaves no temporary file.
cp "$data/Quorelin.dat" "$root/before"
status=0
(ulimit -f 6 && play) || status=$?
check "a file-size limit ends the game on the signal (status $status)" test "$status" -eq 143
check "the failed save is reported" grep -q "cannot be written" "$root/err"
check "no temporary file is left" test ! -e "$data/Quorelin.dat.tmp"
check "the file is as it was" cmp -s "$data/Quorelin.dat" "$root/before"

# A class-room folder as the README has a teacher make it: the first copy that starts
# there fills it with files the whole group may write.
mkdir -m 2775 "$root/school"
play QUORELIN_DATA_DIR="$root/school" || true
check "the class-room folder holds both files, group-writable" \
  test "$(stat -c %a "$root/school/Quorelin.dat" "$root/school/Quorelincopy.dat" | sort -u)" = 664

check "desktop entry valid" desktop-file-validate "$prefix/share/applications/org.quorelin.quorelin.desktop"
check "AppStream metadata valid" \
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.quorelin.quorelin.metainfo.xml"
for size in 16 32 48 64 128 256; do
  check "icon ${size}x${size}" test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/quorelin.png"
done
check "manual page" test -s "$prefix/share/man/man6/quorelin.6.gz"

echo "$failures failed"
test "$failures" -eq 0
