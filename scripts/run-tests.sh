#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: once in a plain
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen

# Test builds carry no debug information and little optimisation: on two cores the
# compiler's time is what a test run costs.
"$root/scripts/build.sh" "$root/build-tests" -DCMAKE_BUILD_TYPE=None
(cd "$root/build-tests" && ctest --output-on-failure --timeout 600)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O1 \
  -DFEROX_SANITIZE=ON
(cd "$root/build-asan" && ctest --output-on-failure --timeout 900)
