#!/usr/bin/env bash
# check_package.sh BUILD_DIR SCRATCH: makes the Debian package from the build, unpacks it into
# SCRATCH and checks what a user gets: the file list, the unpacked ridevault-cli, the dependencies,
# and the desktop entry and metainfo against their validators when those are installed.
set -euo pipefail
build_dir=$1
scratch=$2
id=io.github.ridevault.Ridevault
rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/ridevault_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
fail() { echo "FAIL: $*" >&2; exit 1; }

expected=(
  usr/bin/ridevault
  usr/bin/ridevault-cli
  usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml
  usr/share/mime/packages/$id.xml
  usr/share/doc/ridevault/Ridevault.html
  usr/share/man/man1/ridevault.1
  usr/share/man/man1/ridevault-cli.1
  usr/share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 32 48 64 128 256; do
  expected+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
actual=$(cd "$scratch/root" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "the package holds other files than expected:
$(diff <(echo "$wanted") <(echo "$actual") || true)"

for size in 16 32 48 64 128 256; do
  # A PNG's width is the big-endian number at byte 16.
  width=$((16#$(od -An -tx1 -j16 -N4 "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | tr -d ' \n')))
  [ "$width" -eq "$size" ] || fail "the icon in ${size}x${size} is $width pixels wide"
done

version=$("$scratch/root/usr/bin/ridevault-cli" --version)
[[ "$version" =~ ^ridevault-cli\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "unpacked ridevault-cli --version said: $version"
dpkg-deb -f "$deb" Version | grep -qx "${version#ridevault-cli }" || fail "package and program versions differ"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the dependencies do not name Qt: $(dpkg-deb -f "$deb" Depends)"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop"
else
  echo "desktop-file-validate is not installed; desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$scratch/root/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$id.metainfo.xml"
else
  echo "appstreamcli is not installed; metainfo not validated"
fi
echo "package ok: $deb"
