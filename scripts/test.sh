#!/usr/bin/env bash
# Sets up, checks that every C++ file is formatted as .clang-format says, builds and
# runs every test: once in a build with warnings as errors, once more with
# AddressSanitizer and UndefinedBehaviorSanitizer (the browser tests only in the first).
# Any failure or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/check-format.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The browser tests' npm packages, exactly as package-lock.json pins them; none of them
# downloads a browser (the tests drive Debian's chromium).
(cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)

scripts/build.sh build-test -DCMAKE_BUILD_TYPE=Debug -DTINTORA_WERROR=ON
(cd build-test && ctest --output-on-failure -j "$jobs")

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTINTORA_WERROR=ON -DTINTORA_SANITIZE=ON
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# The browser tests ran once above; the sanitizer build does not register them.
(cd build-asan && ctest --output-on-failure -j "$jobs")
