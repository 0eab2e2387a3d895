#!/usr/bin/env bash
# Runs one web test script with node's test runner (TINTORA_WEB_BROWSER=0: one that
# needs no browser). A missing tool fails the test
# with what to do: a browser test never passes, or skips, without its browser.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v node >/dev/null || fail "node is missing: scripts/setup-deps.sh installs it"
[ "${TINTORA_WEB_BROWSER:-1}" = 0 ] || [ -x "${TINTORA_CHROMIUM:-/usr/bin/chromium}" ] ||
    fail "${TINTORA_CHROMIUM:-/usr/bin/chromium} is missing: scripts/setup-deps.sh installs Debian's chromium"
[ -d "$here/node_modules" ] || fail "$here/node_modules is missing: run \"npm ci\" in $here (scripts/test.sh does)"
exec node --test --test-concurrency=1 "$1"
