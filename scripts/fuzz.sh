#!/usr/bin/env bash
# Fuzzes every file format decoder with libFuzzer (clang-14, AddressSanitizer and
# UndefinedBehaviorSanitizer), each for a given time, starting from the committed seed corpus.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     (default 60 s; targets: database settings
#                                                         theme package versions; default all)
#
# New interesting inputs go to build-fuzz/corpus/<target>/ (merge the small ones worth keeping
# into fuzz/corpus/<target>/ by hand); a crash leaves crash-* / leak-* / timeout-* files in
# build-fuzz/artifacts/<target>/ and makes this script exit non-zero. A crash input, once fixed,
# belongs in fuzz/corpus/<target>/ so the normal test run keeps replaying it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(database settings theme package versions)
build_dir="${RIDEVAULT_FUZZ_BUILD_DIR:-build-fuzz}"

scripts/install-deps.sh clang-14 libfuzzer-14-dev

# The libraries get coverage and sanitizer instrumentation; only the fuzz programs link libFuzzer.
flags="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer -g"
cmake -S . -B "$build_dir" -G Ninja \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" \
  -DRIDEVAULT_FUZZ=ON -DRIDEVAULT_BUILD_TESTS=OFF -DRIDEVAULT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"${RIDEVAULT_FUZZ_JOBS:-2}" --target "${targets[@]/#/fuzz_}"

# Real executables with version resources are the best start for the version reader; they are built
# here from the test sources with mingw-w64 and never committed.
seeds="$build_dir/seeds/versions"
if [[ " ${targets[*]} " == *" versions "* ]] && [ ! -d "$seeds" ] && command -v x86_64-w64-mingw32-gcc >/dev/null; then
  mkdir -p "$seeds"
  x86_64-w64-mingw32-windres tests/ride/versioninfo/Full.rc -O coff -o "$seeds/Full.res.o"
  x86_64-w64-mingw32-gcc -s -o "$seeds/Full64.exe" tests/ride/versioninfo/Program.c "$seeds/Full.res.o"
  rm -f "$seeds/Full.res.o"
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
status=0
for t in "${targets[@]}"; do
  corpus="$build_dir/corpus/$t"
  artifacts="$build_dir/artifacts/$t"
  mkdir -p "$corpus" "$artifacts"
  dict=()
  [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="fuzz/dict/$t.dict")
  echo "== fuzz_$t for $seconds s"
  extra=()
  [ -d "$build_dir/seeds/$t" ] && extra=("$build_dir/seeds/$t")
  if ! "$build_dir/fuzz/fuzz_$t" "$corpus" "fuzz/corpus/$t" "${extra[@]}" "${dict[@]}" \
       -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$artifacts/"; then
    echo "!! fuzz_$t found a problem; see $artifacts/"
    status=1
  fi
done
exit $status
