#!/usr/bin/env bash
# Draws the software centre's screenshots (data-install/screenshots/*.png) from the
# bundled themes with tintora-cli render, as the metainfo file lists them.
#
#   scripts/make-screenshots.sh [BUILD_DIR]     (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cli=$build/app/tintora-cli
[ -x "$cli" ] || { echo "make-screenshots.sh: no $cli; build first" >&2; exit 1; }
out=$root/data-install/screenshots
mkdir -p "$out"

# FILE THEME [OPTION...]: each page as a new user first sees it.
shot() {
    local file=$1 theme=$2
    shift 2
    "$cli" render --data-dir "$root/data" "$@" -o "$out/$file" "$theme"
}
shot default.png Default
shot midnight.png Midnight
shot broadsheet.png Broadsheet
