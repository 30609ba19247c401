#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

"$top/scripts/setup.sh" "$top/build"
(cd "$top/build" && ctest --output-on-failure -j "$jobs" --timeout 300)

"$top/scripts/setup.sh" "$top/build-asan" -DTF_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$top/build-asan" && ctest --output-on-failure -j "$jobs" --timeout 600)
