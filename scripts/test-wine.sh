#!/usr/bin/env bash
# Rides through real Wine: installs Wine when it is missing (Debian's wine and wine64), makes a
# scratch Wine prefix, installs the Windows stand-in simulator (tools/simulator/windows) where the
# installer's "InstPath" value says, and on an Xvfb display checks that ridevault-cli discovers it,
# reads its version, and rides a package and two tracks (one path with blanks and non-ASCII
# letters) so that the stand-in gets " -s " and the track's Windows path as one argument, shows its
# window, and leaves the simulator folder as it was once the installed files are cleaned up.
# Not part of scripts/test.sh: Wine is large. Uses $RIDEVAULT_BUILD_DIR (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${RIDEVAULT_BUILD_DIR:-build}"

need=()
{ command -v wine && command -v wineserver; } >/dev/null || need+=(wine wine64)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xwininfo >/dev/null || need+=(x11-utils)
command -v x86_64-w64-mingw32-gcc >/dev/null || need+=(gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
if [ ${#need[@]} -gt 0 ]; then
  echo "== installing ${need[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target ridevault-cli wine_standin
cli="$(pwd)/$build_dir/tools/cli/ridevault-cli"
standins="$(pwd)/$build_dir/wine-simulator"

work="$(mktemp -d /tmp/ridevault-wine.XXXXXX)"
xvfb_pid=""
finish() {
  [ -n "${WINEPREFIX:-}" ] && timeout 20 wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

source scripts/xvfb.sh
start_xvfb 200 250
[ -n "$xvfb_pid" ] || { echo "no free X display between :200 and :250"; exit 1; }

failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The script itself hands Wine non-ASCII names ("wine reg add"), so it runs in a UTF-8 locale.
export LC_ALL=C.UTF-8
echo "== making the Wine prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1
# A folder name with non-ASCII letters and the installer's final "\", as a chosen folder can be.
wine reg add 'HKCU\Software\Trakora Coasters' /v InstPath /t REG_SZ /d 'C:\Spiele\Trakora Größe\' /f >/dev/null 2>&1
# The registry reaches user.reg when the Wine server ends.
timeout 60 wineserver -w
simulator="$WINEPREFIX/drive_c/Spiele/Trakora Größe"
mkdir -p "$simulator/Tracks" "$simulator/Data"
cp "$standins"/Trakora*.exe "$simulator/"
printf 'scenery\n' >"$simulator/Data/Scenery.dat"
printf 'stock track\n' >"$simulator/Tracks/Stock.tktrack"

found="$("$cli" discover || true)"
[ "$found" = "$simulator/" ] && pass "discover: $found" || fail "discover printed '$found', not '$simulator/'"

versions="$("$cli" versions --simulator "$simulator")"
[ "$(grep -c '"Trakora[A-Za-z]*\.exe": "1 \. 6 \. 0 \. 3"' <<<"$versions")" = 3 ] &&
  pass "versions: all three programs 1 . 6 . 0 . 3" || fail "versions: $versions"

# The ride files: a package holding a track, a track with a plain path, and one with blanks and
# non-ASCII letters in its folder and name.
mkdir -p "$work/rides/pack/Tracks" "$work/rides/Bahn mit Lücke" "$work/program"
printf 'packaged track\n' >"$work/rides/pack/Tracks/WinePack.tktrack"
"$cli" pack create "$work/rides/WinePack.tkpack" --root "$work/rides/pack" Tracks/WinePack.tktrack >/dev/null
printf 'plain track\n' >"$work/rides/Plain.tktrack"
printf 'track with blanks\n' >"$work/rides/Bahn mit Lücke/Große Schleife.tktrack"
db="$work/program/Ridevault.rvdb"
"$cli" db add "$db" "$work/rides/WinePack.tkpack" "$work/rides/Plain.tktrack" \
  "$work/rides/Bahn mit Lücke/Große Schleife.tktrack" >/dev/null

# Every folder and file of the simulator folder with its bytes' digest, leaving out the command line
# the stand-in writes.
snapshot() {
  (cd "$simulator" && find . ! -name '*.cmdline.txt' | LC_ALL=C sort |
    while IFS= read -r f; do [ -f "$f" ] && echo "$(sha256sum <"$f") $f" || echo "folder $f"; done)
}
before="$(snapshot)"
export TRAKORA_STANDIN_RIDE_MS=4000

# ride INDEX LABEL WINDOWS_PATH: rides the record and checks what the stand-in received.
ride() {
  local index="$1" label="$2" windows_path="$3"
  rm -f "$simulator/TrakoraSimulator.cmdline.txt"
  if ! "$cli" ride "$db" "$index" --simulator "$simulator" --program-folder "$work/program" >/dev/null; then
    fail "$label: ridevault-cli ride failed"
    return
  fi
  [ "$index" = 0 ] && [ ! -f "$work/program/Ridevault.rvltps" ] && fail "$label: no installed-files list"
  local seen=""
  for _ in $(seq 1 60); do
    seen="$(LC_ALL=C.UTF-8 xwininfo -root -tree 2>/dev/null | grep -o '"TrakoraSimulator - [^"]*"' | head -1 || true)"
    [ -n "$seen" ] && break
    sleep 0.5
  done
  [ -n "$seen" ] && pass "$label: window $seen" || fail "$label: no TrakoraSimulator window"
  timeout 60 wineserver -w || fail "$label: the stand-in did not close"
  local cmdline=""
  [ -f "$simulator/TrakoraSimulator.cmdline.txt" ] && cmdline="$(cat "$simulator/TrakoraSimulator.cmdline.txt")"
  rm -f "$simulator/TrakoraSimulator.cmdline.txt"
  local expected="$windows_path"
  [[ "$windows_path" == *" "* ]] && expected="\"$windows_path\""
  if [[ "$cmdline" == *" -s $expected" ]]; then
    pass "$label: command line $cmdline"
  else
    fail "$label: command line '$cmdline' does not end in ' -s $expected'"
  fi
  "$cli" cleanup --simulator "$simulator" --program-folder "$work/program" >/dev/null
  [ -e "$work/program/Ridevault.rvltps" ] && fail "$label: the installed-files list is still there"
  [ "$(snapshot)" = "$before" ] && pass "$label: simulator folder unchanged" || fail "$label: simulator folder changed"
}

ride 0 "package" 'C:\Spiele\Trakora Größe\Tracks\WinePack.tktrack'
ride 1 "plain track" "Z:${work//\//\\}\\rides\\Plain.tktrack"
ride 2 "track with blanks" "Z:${work//\//\\}\\rides\\Bahn mit Lücke\\Große Schleife.tktrack"
# Ridevault started from a "C" locale still hands Wine the paths so that it reads them right.
LC_ALL=C ride 2 "track with blanks, C locale" "Z:${work//\//\\}\\rides\\Bahn mit Lücke\\Große Schleife.tktrack"

echo "== $failures failure(s)"
[ "$failures" -eq 0 ]
