#!/usr/bin/env bash
# Builds every test program once more with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs them through CTest. The first report of either sanitizer fails the run.
# Benchmarks are left out and the code is compiled at -O1 with line tables only, which keeps
# this build about as quick as the normal one.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
# A build type of our own, so that no -O2 -g of the usual build types is added to the flags.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Sanitize "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DTICKVANE_TESTS=ON -DTICKVANE_BENCH=OFF -DTICKVANE_FUZZ=OFF >/dev/null
cmake --build build-asan -j2
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j2
