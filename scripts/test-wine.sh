#!/usr/bin/env bash
# Rides through real Wine: installs Wine and xdotool when they are missing, makes a scratch Wine
# prefix, installs the Windows stand-in programs (tools/simulator/windows) where the installer's
# "InstPath" value says, and on an Xvfb display checks that ridevault-cli discovers the simulator
# and reads the versions, and that the real ridevault window, driven by its keys as a user drives
# it, rides a package and two tracks (one path with blanks and non-ASCII letters) and starts the
# editor and the terraformer. Each program under Wine must get its Windows command line and start in
# the simulator folder; each ride is counted and leaves the simulator folder as it was.
# Not part of scripts/test.sh: Wine is large. Uses $RIDEVAULT_BUILD_DIR (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${RIDEVAULT_BUILD_DIR:-build}"

need=()
{ command -v wine && command -v wineserver; } >/dev/null || need+=(wine wine64)
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xwininfo >/dev/null || need+=(x11-utils)
command -v xdotool >/dev/null || need+=(xdotool)
command -v x86_64-w64-mingw32-gcc >/dev/null || need+=(gcc-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
if [ ${#need[@]} -gt 0 ]; then
  echo "== installing ${need[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target ridevault ridevault-cli wine_standin
cli="$(pwd)/$build_dir/tools/cli/ridevault-cli"
ridevault="$(pwd)/$build_dir/src/app/ridevault"
standins="$(pwd)/$build_dir/wine-simulator"

work="$(mktemp -d /tmp/ridevault-wine.XXXXXX)"
xvfb_pid=""
window_pids=()
finish() {
  local pid
  for pid in "${window_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
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

# poll SECONDS COMMAND...: runs the command every tenth of a second until it succeeds; false when
# it has not within SECONDS.
poll() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq 1 "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The script itself hands Wine non-ASCII names ("wine reg add"), so it runs in a UTF-8 locale.
export LC_ALL=C.UTF-8
# A guard only: every program under Wine is closed by the script, this ends one it could not close.
export TRAKORA_STANDIN_RIDE_MS=120000
echo "== making the Wine prefix $WINEPREFIX"
wineboot -i >/dev/null 2>&1
# A folder name with non-ASCII letters and the installer's final "\", as a chosen folder can be.
windows_simulator='C:\Spiele\Trakora Größe'
wine reg add 'HKCU\Software\Trakora Coasters' /v InstPath /t REG_SZ /d "$windows_simulator\\" /f >/dev/null 2>&1
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
# non-ASCII letters in its folder and name. The library knows them before the window opens.
mkdir -p "$work/rides/pack/Tracks" "$work/rides/Bahn mit Lücke" "$work/program"
printf 'packaged track\n' >"$work/rides/pack/Tracks/WinePack.tktrack"
"$cli" pack create "$work/rides/WinePack.tkpack" --root "$work/rides/pack" Tracks/WinePack.tktrack >/dev/null
printf 'plain track\n' >"$work/rides/Plain.tktrack"
printf 'track with blanks\n' >"$work/rides/Bahn mit Lücke/Große Schleife.tktrack"
package="$work/rides/WinePack.tkpack"
plain="$work/rides/Plain.tktrack"
blanks="$work/rides/Bahn mit Lücke/Große Schleife.tktrack"
"$cli" db add "$work/program/Ridevault.rvltdb" "$package" "$plain" "$blanks" >/dev/null
windows_work="Z:${work//\//\\}"

# Every folder and file of the simulator folder with its bytes' digest, leaving out what the
# stand-ins write about their start.
snapshot() {
  (cd "$simulator" && find . ! -name '*.cmdline.txt' ! -name '*.folder.txt' | LC_ALL=C sort |
    while IFS= read -r f; do [ -f "$f" ] && echo "$(sha256sum <"$f") $f" || echo "folder $f"; done)
}
before="$(snapshot)"

# The program folder the window runs on, what its start adds to the environment, and the window
# while it is open.
program_folder=""
window_env=()
window=""

# open_file FILE: "ridevault --program-folder PROGRAM_FOLDER FILE" as a user types it: the first
# start opens the window, a later one hands the file to it; either way the window selects the
# file's record. False when no window opened.
open_file() {
  local file="$1"
  if [ -n "$window" ]; then
    "$ridevault" --program-folder "$program_folder" "$file" >>"$work/ridevault.log" 2>&1 ||
      fail "handing $(basename "$file") to the running window"
    return 0
  fi
  env "${window_env[@]}" "$ridevault" --program-folder "$program_folder" "$file" >>"$work/ridevault.log" 2>&1 &
  window_pids+=($!)
  poll 60 find_window || { fail "no Ridevault window: $(tail -5 "$work/ridevault.log")"; return 1; }
}
find_window() { window="$(xdotool search --onlyvisible --name '^Ridevault$' 2>/dev/null | head -1)"; [ -n "$window" ]; }

# press KEYS...: the keys, typed into the Ridevault window.
press() {
  timeout 10 xdotool windowfocus --sync "$window" && xdotool key "$@" || fail "typing $* into the Ridevault window"
}

# close_window: File > Exit (Alt+F opens the menu, Up goes round to its last entry), and the
# program ends.
close_window() {
  local pid="${window_pids[-1]}"
  press alt+f Up Return
  poll 30 ended "$pid" && pass "window closed by File > Exit" || fail "the window did not close"
  window=""
}

# shown TITLE: a top-level window on the display has this title (a pattern, as for [[ == ]]).
shown() {
  local line
  while IFS= read -r line; do [[ "$line" == *\"$1\"* ]] && return 0; done < <(xwininfo -root -tree 2>/dev/null)
  return 1
}
file_has() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }
not() { ! "$@"; }
ended() { ! kill -0 "$1" 2>/dev/null; }

# ride_count FILE: the ride count of the file's record in the program folder's library.
ride_count() {
  "$cli" db dump "$program_folder/Ridevault.rvltdb" 2>/dev/null |
    awk -v path="\"FilePath\": \"$1\"" 'index($0, path) { found = 1 } found && /"RideCount"/ { gsub(/[^0-9]/, ""); print; exit }' ||
    true
}
counted() { [ "$(ride_count "$1")" = "$2" ]; }

# started PROGRAM LABEL EXPECTED_ARGUMENTS TITLE: the program under Wine wrote its command line and
# the folder it started in, and shows its window.
started() {
  local name="$1" label="$2" arguments="$3" title="$4"
  local expected="\"$windows_simulator\\$name.exe\" $arguments"
  if poll 60 file_has "$simulator/$name.cmdline.txt" "$expected"; then
    pass "$label: command line $expected"
  else
    fail "$label: command line '$(cat "$simulator/$name.cmdline.txt" 2>/dev/null)', not '$expected'"
  fi
  file_has "$simulator/$name.folder.txt" "$windows_simulator" && pass "$label: started in $windows_simulator" ||
    fail "$label: started in '$(cat "$simulator/$name.folder.txt" 2>/dev/null)', not '$windows_simulator'"
  poll 30 shown "$title" && pass "$label: window \"$title\"" || fail "$label: no window \"$title\""
}

# close_standin PROGRAM LABEL: closes its window (WM_CLOSE, as the window's close button) and
# waits for the window to go.
close_standin() {
  local name="$1" label="$2"
  wine taskkill /im "$name.exe" >/dev/null 2>&1 || true
  poll 30 not shown "$name - *" || fail "$label: $name did not close"
  rm -f "$simulator/$name.cmdline.txt" "$simulator/$name.folder.txt"
}

# ride LABEL FILE WINDOWS_PATH: selects the file, Enter rides it; the simulator gets " -s " and the
# Windows path as one argument, the ride is counted, and when the simulator closes the window's
# monitor cleans up what a package installed.
ride() {
  local label="$1" file="$2" windows_path="$3"
  local rides
  open_file "$file" || return 0
  rides="$(ride_count "$file")"
  press Return
  local argument="$windows_path"
  [[ "$windows_path" == *" "* ]] && argument="\"$windows_path\""
  started TrakoraSimulator "$label" "-s $argument" "TrakoraSimulator - ${windows_path##*\\}"
  poll 30 counted "$file" $((rides + 1)) && pass "$label: ride counted ($((rides + 1)))" ||
    fail "$label: ride count $(ride_count "$file"), not $((rides + 1))"
  if [[ "$label" == package* ]]; then
    [ -f "$program_folder/Ridevault.rvltps" ] && [ -f "$simulator/Tracks/${windows_path##*\\}" ] &&
      pass "$label: installed while it rides" || fail "$label: the package's files are not installed during the ride"
  fi
  close_standin TrakoraSimulator "$label"
  if [[ "$label" == package* ]]; then
    poll 30 not test -e "$program_folder/Ridevault.rvltps" && pass "$label: installed files removed when the ride ended" ||
      fail "$label: the installed-files list is still there"
  fi
  [ "$(snapshot)" = "$before" ] && pass "$label: simulator folder unchanged" || fail "$label: simulator folder changed"
}

# tool KEY PROGRAM LABEL FILE WINDOWS_PATH: selects the track, Alt+KEY starts the program on it.
tool() {
  local key="$1" name="$2" label="$3" file="$4" windows_path="$5"
  open_file "$file" || return 0
  press "alt+$key"
  local argument="$windows_path"
  [[ "$windows_path" == *" "* ]] && argument="\"$windows_path\""
  started "$name" "$label" "$argument" "$name - ${windows_path##*\\}"
  close_standin "$name" "$label"
  [ "$(snapshot)" = "$before" ] && pass "$label: simulator folder unchanged" || fail "$label: simulator folder changed"
}

echo "== riding through the window"
program_folder="$work/program"
ride "package" "$package" "$windows_simulator\\Tracks\\WinePack.tktrack"
ride "plain track" "$plain" "$windows_work\\rides\\Plain.tktrack"
ride "track with blanks" "$blanks" "$windows_work\\rides\\Bahn mit Lücke\\Große Schleife.tktrack"
tool e TrakoraEditor "Edit" "$blanks" "$windows_work\\rides\\Bahn mit Lücke\\Große Schleife.tktrack"
tool t TrakoraTerraformer "Terraform" "$plain" "$windows_work\\rides\\Plain.tktrack"
close_window

# Ridevault started from a "C" locale still hands Wine the paths so that it reads them right; this
# window starts on a new program folder, so the file joins the library from the command line.
echo "== riding from a C locale"
program_folder="$work/program-c"
window_env=(LC_ALL=C)
ride "track with blanks, C locale" "$blanks" "$windows_work\\rides\\Bahn mit Lücke\\Große Schleife.tktrack"
close_window

echo "== $failures failure(s)"
[ "$failures" -eq 0 ]
