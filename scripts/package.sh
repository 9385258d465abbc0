#!/usr/bin/env bash
# Builds Ridevault and makes its Debian package with CPack: build/package/ridevault_<version>_<arch>.deb
# (or under $RIDEVAULT_BUILD_DIR). Install it with: sudo apt install ./build/package/ridevault_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir="${RIDEVAULT_BUILD_DIR:-build}"
cpack --config "$build_dir/CPackConfig.cmake" -B "$build_dir/package" >/dev/null
ls "$build_dir"/package/ridevault_*.deb
