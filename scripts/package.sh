#!/usr/bin/env bash
# Builds a Release tree (without the tests) and writes the Debian package into it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DTINTORA_BUILD_TESTS=OFF
(cd build-release && cpack -G DEB)
ls build-release/tintora_*.deb
