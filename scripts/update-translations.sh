#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of the desktop program's sources,
# or with --check only says whether they are: every text translated, none left over
# from a text the sources no longer have. Tests, benchmarks and fuzz targets are not
# read: a user never sees their texts. LUPDATE names the lupdate to run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-}"
if [ -z "$lupdate" ]; then
    for candidate in lupdate6 /usr/lib/qt6/bin/lupdate lupdate; do
        if command -v "$candidate" >/dev/null 2>&1; then
            lupdate="$(command -v "$candidate")"
            break
        fi
    done
fi
[ -n "$lupdate" ] || { echo "update-translations: lupdate not found (set LUPDATE)" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd "$root" && find . \( -path ./tests -o -path ./bench -o -path ./fuzz -o -path ./.git \
    -o -path './build*' -o -path ./data -o -path ./data-install \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort) >"$work/sources.lst"

if [ "${1:-}" != "--check" ]; then
    (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -I . "@$work/sources.lst" \
        -ts translations/*.ts)
    exit 0
fi

status=0
for ts in "$root"/translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$root" && "$lupdate" -silent -locations none -I . "@$work/sources.lst" -ts "$copy")
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    gone=$(grep -c -E 'type="(vanished|obsolete)"' "$copy" || true)
    if [ "$unfinished" -ne 0 ] || [ "$gone" -ne 0 ]; then
        echo "$(basename "$ts"): $unfinished texts untranslated, $gone no longer in the sources;" \
            "run scripts/update-translations.sh and translate them" >&2
        diff -u "$ts" "$copy" | grep -E '^[-+] *<(source|translation)' | head -40 >&2 || true
        status=1
    else
        echo "$(basename "$ts"): every text translated"
    fi
done
exit $status
