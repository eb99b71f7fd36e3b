#!/usr/bin/env bash
# Builds the fuzz targets with clang++ into build-fuzz/ and runs each for SECONDS (default 30,
# or $FUZZ_SECONDS) on a copy of its seed corpus (the repository is not written). Any finding
# fails the script; the input that caused it is kept in build-fuzz/findings/.
# Usage: tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${FUZZ_SECONDS:-30}}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DTICKVANE_FUZZ=ON -DTICKVANE_TESTS=OFF -DTICKVANE_BENCH=OFF >/dev/null
targets=()
for source in fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
cmake --build build-fuzz -j2 --target "${targets[@]}"

# A smaller quarantine than AddressSanitizer's 256 MB lets freed memory be reused while it is
# still mapped; otherwise every input runs on fresh pages and page faults cost more than the
# input. 16 MB is still far more than one input frees, so a use after free is caught.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

failed=0
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus-run/$target
  findings=build-fuzz/findings/$target
  rm -rf "$corpus"
  mkdir -p "$corpus" "$findings"
  cp fuzz/corpus/"$target"/* "$corpus"/
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  dict=fuzz/${target#fuzz_}.dict
  [ -f "$dict" ] && options+=(-dict="$dict")
  echo "== $target: ${seconds}s"
  if ! build-fuzz/fuzz/"$target" "${options[@]}" "$corpus" >"build-fuzz/$target.log" 2>&1; then
    echo "FAILED: $target found a fault; see build-fuzz/$target.log and $findings/" >&2
    tail -n 40 "build-fuzz/$target.log" >&2
    failed=1
  else
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$target.log")
    echo "$target: ${runs:-0} inputs in ${seconds}s, about $(( ${runs:-0} / seconds )) a second"
    grep -E '^stat::peak_rss_mb' "build-fuzz/$target.log" || true
  fi
done
exit $failed
