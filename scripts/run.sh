#!/usr/bin/env bash
# Sets up, builds and starts the desktop program. Without a display it says so and
# draws the Default theme's page with tintora-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    picture=$PWD/build/default-theme.png
    echo "Tintora's window needs a display, and none is set (DISPLAY, WAYLAND_DISPLAY)."
    echo "To try the window headless:  xvfb-run scripts/run.sh"
    echo "Drawing the Default theme's page with tintora-cli instead..."
    build/app/tintora-cli render -o "$picture" Default
    echo "The Default theme's page is in $picture"
    exit 0
fi
exec build/app/tintora "$@"
