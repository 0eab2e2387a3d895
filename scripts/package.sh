#!/usr/bin/env bash
# Builds a Release tree (without the tests) with Debian's hardening flags, writes the
# Debian package into it and checks it with lintian: any error or warning fails.
# Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh

# The flags Debian builds its packages with (fortified functions, stack protector,
# read-only relocations bound at start, position-independent executables).
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
# Configured every time, so that a tree made before takes the flags too.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTORA_BUILD_TESTS=OFF \
    "-DCMAKE_CXX_FLAGS=$cflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "$@"
cmake --build build-release
(cd build-release && cpack -G DEB)
package=$(ls build-release/tintora_*.deb)

# --pedantic shows every tag; E: and W: lines are what fails the package.
lintian --pedantic --tag-display-limit 0 "$package" | tee build-release/lintian.log
if grep -qE '^[EW]: ' build-release/lintian.log; then
    echo "package: lintian reports errors or warnings" >&2
    exit 1
fi
echo "$package"
