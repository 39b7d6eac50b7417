#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every one of them for SECONDS each.
#
#   bash scripts/fuzz.sh SECONDS [TARGET...]
#
# Targets are the ql_fuzz_target(...) declarations of fuzz/*.cmake; without
# TARGET arguments all of them run, one after the other. Each keeps a growing
# corpus in build-fuzz/corpus/TARGET, seeded from the directories listed in
# build-fuzz/fuzz-seeds/TARGET.txt when its fuzz/*.cmake writes that file.
# Crashing inputs land in build-fuzz/crashes/TARGET; the script exits 1 when
# any target crashed. The build goes to ./build-fuzz (override with
# QL_FUZZ_BUILD_DIR).
set -euo pipefail

seconds=${1:-}
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: bash scripts/fuzz.sh SECONDS [TARGET...]" >&2
  exit 2
fi
shift

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QL_FUZZ_BUILD_DIR:-$here/build-fuzz}

if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(sed -n 's/^[[:space:]]*ql_fuzz_target([[:space:]]*\([A-Za-z0-9_]*\).*/\1/p' "$here"/fuzz/*.cmake)
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "No fuzz targets declared in fuzz/*.cmake" >&2
  exit 2
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQL_FUZZERS=ON -DBUILD_TESTING=OFF -DQL_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" --parallel "${QL_FUZZ_JOBS:-2}"

# Fontconfig's and FreeType's caches live as long as the process (the
# application object of a fuzz target is never destroyed); they are not leaks.
printf 'leak:libfontconfig\nleak:libfreetype\n' > "$build/lsan.supp"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$build/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

failed=()
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  crashes="$build/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  seeds=()
  if [ -f "$build/fuzz-seeds/$t.txt" ]; then
    while IFS= read -r d; do
      [ -n "$d" ] && [ -d "$d" ] && seeds+=("$d")
    done < "$build/fuzz-seeds/$t.txt"
  fi
  echo "== $t for $seconds s"
  if ! "$build/bin/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 \
      -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus" "${seeds[@]}"; then
    failed+=("$t")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Crashes in: ${failed[*]} (inputs in $build/crashes/)" >&2
  exit 1
fi
echo "No crashes."
