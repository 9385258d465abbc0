#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest. Widget tests run on Qt's
# offscreen platform; the tests that need real top-level windows get an Xvfb display started here
# when there is no display already.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir="${RIDEVAULT_BUILD_DIR:-build}"

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  source scripts/xvfb.sh
  start_xvfb 90 140
fi

ctest --test-dir "$build_dir" --output-on-failure --timeout 600 -j2
