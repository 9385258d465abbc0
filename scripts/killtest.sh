#!/usr/bin/env bash
# Kills saves and package installations at random moments, ROUNDS times each (default 1000), and
# checks that nothing is ever torn or left behind:
#   database, settings, theme   the file is always one of the two whole files being saved in turn;
#                               for the database so is its side file, and the newest backup that
#                               the save rotated in is one of the two whole databases;
#   install                     after the kill and a clean-up the simulator folder is exactly as it
#                               was before the installation.
# Prints one line per kind: rounds, kills that landed in the middle of a write, failures. Not part
# of the test run (it takes minutes); the tests keep small kill loops of their own.
#
#   scripts/killtest.sh [ROUNDS] [database|settings|theme|install]...
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-1000}"
shift || true
build_dir="${RIDEVAULT_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target killtest >/dev/null
exec "$build_dir/tests/killtest/killtest" "$rounds" "$@"
