#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ridevault.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir="${RIDEVAULT_BUILD_DIR:-build}"
if [ -x "$build_dir/src/app/ridevault" ]; then
  exec "$build_dir/src/app/ridevault" "$@"
fi
# Until the main window lands, the command-line tool is the program's front door.
exec "$build_dir/tools/cli/ridevault-cli" "${@:---help}"
