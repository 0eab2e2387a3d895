#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTINTORA_BUILD_FUZZ=ON -DTINTORA_SANITIZE=ON -DTINTORA_BUILD_TESTS=ON
for src in fuzz/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    work=$(mktemp -d)
    cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
    echo "== $name for ${seconds}s"
    "build-fuzz/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=4096 "$work"
    rm -rf "$work"
done
