#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ridevault. Without arguments, on a machine where no
# simulator installation is found, it starts Ridevault on the demo that the build writes
# (build/demo/program: demo tracks and packages, and the stand-in simulator in build/demo-simulator).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir="${RIDEVAULT_BUILD_DIR:-build}"
app="$build_dir/src/app/ridevault"
cli="$build_dir/tools/cli/ridevault-cli"
if [ $# -gt 0 ] || "$cli" discover >/dev/null 2>&1; then
  exec "$app" "$@"
fi
echo "No Trakora simulator found: starting Ridevault on the demo in $build_dir/demo (the README says how to use a real one)."
exec "$app" --program-folder "$build_dir/demo/program"
