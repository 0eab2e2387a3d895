#!/usr/bin/env bash
# Installs the Debian packages Tintora needs to build, run and test. Skips the
# package manager entirely when everything is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
    # lupdate and lrelease with their CMake functions, and Qt's own translations.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libarchive-dev libarchive-tools zlib1g-dev
    fonts-liberation fonts-liberation2 fonts-dejavu-core
    xvfb xauth poppler-utils
    libbenchmark-dev clang libclang-rt-14-dev clang-format
    # The Debian package (cpack's dependency lookup runs file and dpkg-shlibdeps) and
    # the validators the installed-layout test runs.
    file dpkg-dev appstream desktop-file-utils shared-mime-info groff-base
    # gio tells a file's type from its contents as the desktop's file managers do.
    libglib2.0-bin
    # The browser the web tests drive headless.
    chromium
    # The package's and manual pages' linters, and the shells whose completions are
    # tested (bash is always there).
    lintian mandoc zsh fish
    # The theme script, whose --check compares the committed themes with what it makes.
    python3
)
# node and npm run the web tests' packages. A machine that has node from elsewhere
# keeps it: Debian's npm conflicts with the nodejs packages of other sources.
if ! command -v node >/dev/null; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
