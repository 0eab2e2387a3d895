#!/usr/bin/env bash
# Installs a build tree into a temporary root as a package would (prefix /usr) and
# checks what lands there: the programs run, the bundled data, the menu entry, the
# software centre's description, the scheme file type, the icons and the manual pages,
# and that those files agree with each other. The desktop validators run where they
# are installed.
#
#   check-install.sh BUILD_DIR VERSION
set -uo pipefail

build=$1
version=$2
app_id=io.github.tintora.Tintora
mime_type=application/x-tintora-scheme

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
usr=$root/usr

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
have() { command -v "$1" >/dev/null 2>&1; }

if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

# --- Every file in its place --------------------------------------------------------
expected=(
    "x bin/tintora"
    "x bin/tintora-cli"
    "d share/tintora/Themes/Studio"
    "f share/tintora/Themes/Studio/color1.css"
    "f share/applications/$app_id.desktop"
    "f share/metainfo/$app_id.metainfo.xml"
    "f share/mime/packages/$app_id.xml"
    "f share/icons/hicolor/scalable/apps/$app_id.svg"
    "f share/man/man1/tintora.1.gz"
    "f share/man/man1/tintora-cli.1.gz"
    "f share/doc/tintora/copyright"
    "f share/doc/tintora/LICENSE"
    "f share/doc/tintora/changelog.Debian.gz"
)
for program in tintora tintora-cli; do
    expected+=("f share/bash-completion/completions/$program"
        "f share/zsh/vendor-completions/_$program"
        "f share/fish/vendor_completions.d/$program.fish")
done
icon_sizes=(16 22 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    expected+=("f share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for entry in "${expected[@]}"; do
    kind=${entry%% *}
    path=$usr/${entry#* }
    case $kind in
    x) [ -f "$path" ] && [ -x "$path" ] || fail "not an installed program: ${entry#* }" ;;
    d) [ -d "$path" ] || fail "missing folder: ${entry#* }" ;;
    f) [ -s "$path" ] || fail "missing or empty: ${entry#* }" ;;
    esac
done

# A package owns only what is under its prefix.
outside=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside /usr: $outside"

# --- Icons: each PNG is drawn at the size of its folder ------------------------------
for size in "${icon_sizes[@]}"; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$png" ] || continue
    # The IHDR chunk holds the width and height as big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "${size}x${size} icon is $width x $height"
done

# --- The programs run from where they were installed ---------------------------------
home=$work/home
mkdir -p "$home"
# The version as About, the manual pages and the package give it.
expected_version="tintora-cli $version"
cli_version=$(cd "$work" && HOME=$home XDG_DATA_HOME=$home/data "$usr/bin/tintora-cli" --version)
[ "$cli_version" = "$expected_version" ] || fail "tintora-cli --version says '$cli_version'"
if ! (cd "$work" && HOME=$home XDG_DATA_HOME=$home/data \
    "$usr/bin/tintora-cli" scheme -o "$work/default.tna" Default) >"$work/cli.log" 2>&1; then
    cat "$work/cli.log"
    fail "the installed tintora-cli could not write the Default theme's scheme"
fi
grep -q "Application Name: Tintora" "$work/default.tna" 2>/dev/null ||
    fail "the Default theme's scheme file is not a scheme file"
# A command that only reads takes the bundled themes and writes nothing home; one that
# writes a theme fills the user's data folder first.
[ ! -e "$home/data/tintora" ] || fail "scheme wrote into the user's data folder"
(cd "$work" && HOME=$home XDG_DATA_HOME=$home/data "$usr/bin/tintora-cli" export --theme Mine \
    Default) >"$work/cli.log" 2>&1 || { cat "$work/cli.log"; fail "export --theme failed"; }
[ -d "$home/data/tintora/Themes/Studio" ] || fail "the user's data folder was not filled"
[ -f "$home/data/tintora/Themes/Mine/theme.css" ] || fail "the exported theme is missing"

# --- Desktop entry -------------------------------------------------------------------
desktop=$usr/share/applications/$app_id.desktop
desktop_key() { sed -n "s/^$1=//p" "$desktop"; }
# The file manager passes the files to open.
[ "$(desktop_key Exec)" = "tintora %F" ] || fail "desktop Exec is '$(desktop_key Exec)'"
[ "$(desktop_key Icon)" = "$app_id" ] || fail "desktop Icon is '$(desktop_key Icon)'"
[[ ";$(desktop_key MimeType)" == *";$mime_type;"* ]] || fail "desktop entry lacks $mime_type"
if have desktop-file-validate; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi

# --- File type -----------------------------------------------------------------------
mime_xml=$usr/share/mime/packages/$app_id.xml
grep -q "<mime-type type=\"$mime_type\">" "$mime_xml" || fail "the MIME package lacks $mime_type"
if have update-mime-database; then
    # Built into a copy, as the package's trigger builds it; the glob must map .tna.
    mkdir -p "$work/mime/packages"
    cp "$mime_xml" "$work/mime/packages/"
    if update-mime-database "$work/mime" >"$work/mime.log" 2>&1; then
        grep -qx "[0-9]*:$mime_type:\*\.tna" "$work/mime/globs2" ||
            fail "*.tna is not mapped to $mime_type"
        # The contents tell a scheme file without its name, whatever its line ends.
        if have gio; then
            mkdir -p "$work/magic"
            # The scheme file written above, as it is and with LF line ends.
            cp "$work/default.tna" "$work/magic/crlf"
            sed 's/\r$//' "$work/default.tna" >"$work/magic/lf"
            for ends in crlf lf; do
                type=$(XDG_DATA_DIRS=$work XDG_DATA_HOME=$work/none \
                    gio info -a standard::content-type "$work/magic/$ends" |
                    sed -n 's/^ *standard::content-type: //p')
                [ "$type" = "$mime_type" ] || fail "a scheme file with $ends line ends is '$type'"
            done
        else
            fail "gio is not installed (scripts/setup-deps.sh installs it)"
        fi
    else
        cat "$work/mime.log"
        fail "update-mime-database"
    fi
fi

# --- Software centre description ------------------------------------------------------
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" ||
    fail "metainfo does not state the licence"
grep -q "<mediatype>$mime_type</mediatype>" "$metainfo" || fail "metainfo lacks $mime_type"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "metainfo's newest release is '$newest', the build is $version"
# Each screenshot is a committed PNG of the size the description gives (the addresses
# are the project's home; the files are in the source tree under the same path).
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
shots=0
while read -r width height path; do
    shots=$((shots + 1))
    png=$source_dir/$path
    [ -f "$png" ] || { fail "screenshot not committed: $path"; continue; }
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$w x $h" = "$width x $height" ] || fail "$path is $w x $h, the metainfo says $width x $height"
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">https://[^<]*/main/\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
[ "$shots" -gt 0 ] || fail "metainfo lists no screenshots"
if have appstreamcli; then
    # The tree, so that the desktop entry it launches is checked with it.
    appstreamcli validate-tree --no-net --strict "$root" >"$work/appstream.log" 2>&1 ||
        { cat "$work/appstream.log"; fail "appstreamcli validate-tree"; }
fi

# --- Manual pages ----------------------------------------------------------------------
for page in tintora tintora-cli; do
    gz=$usr/share/man/man1/$page.1.gz
    [ -f "$gz" ] || continue
    gzip -dc "$gz" >"$work/$page.1" || { fail "$page.1.gz is not gzip"; continue; }
    grep -q "^\.TH .*\"Tintora $version\"" "$work/$page.1" || fail "$page.1 is not of version $version"
    if have mandoc; then
        # Style remarks count too: a page that passes shows nothing at all.
        lint=$(mandoc -Tlint "$work/$page.1" 2>&1)
        [ $? -eq 0 ] && [ -z "$lint" ] || fail "$page.1 fails mandoc -Tlint: $lint"
    else
        fail "mandoc is not installed (scripts/setup-deps.sh installs it)"
    fi
    if have groff; then
        warnings=$(groff -man -ww -z -Tutf8 "$work/$page.1" 2>&1)
        [ -z "$warnings" ] || fail "$page.1 formats with warnings: $warnings"
    fi
done

# The JSON keys the page names show as the program writes them (a key with a blank in
# it must not lose it to the formatting).
if [ -f "$work/tintora-cli.1" ] && have groff; then
    # Wide lines and single blanks, so that neither a line end nor filling splits a key.
    shown=$(groff -man -rLL=1000n -Tutf8 -P -cbou "$work/tintora-cli.1" 2>/dev/null | tr -s " ")
    (cd "$work" && HOME=$home XDG_DATA_HOME=$home/data "$usr/bin/tintora-cli" scheme \
        --format json Default) >"$work/scheme.json" 2>/dev/null
    keys=$(python3 -c 'import json, sys
scheme = json.load(open(sys.argv[1]))
print("\n".join(list(scheme["FILE INFORMATION"]) + list(scheme["BANNER"])))' "$work/scheme.json") ||
        fail "the JSON of scheme --format json could not be read"
    while read -r key; do
        grep -qF "\"$key\"" <<<"$shown" || fail "tintora-cli.1 does not show the JSON key \"$key\""
    done <<<"$keys"
fi

# The page follows the program's own help: every command it lists has its section, and
# every option of a command its own entry (the tag line after .TP) in that section,
# or under OPTIONS when every command takes it.
cli() { (cd "$work" && HOME=$home XDG_DATA_HOME=$home/data "$usr/bin/tintora-cli" "$@"); }
# The option names of a help text's "  -x, --name <VALUE>  Text" lines.
options_of() { sed -n 's/^  \(-[^ ]*\(, -[^ ]*\)*\).*/\1/p' | tr -d ',' | tr ' ' '\n'; }
# The .TP tags between the heading $1 and the next heading.
tags_under() {
    awk -v heading="$1" '$0 == heading { inside = 1; next }
        inside && /^\.S[HS] / { inside = 0 }
        inside && previous == ".TP" { print }
        { previous = $0 }' <<<"$page_text"
}
described() { grep -qE -- "(^|[ \"])$1([ \",]|\$)" <<<"$2"; }
if [ -f "$work/tintora-cli.1" ]; then
    page_text=$(sed 's/\\-/-/g' "$work/tintora-cli.1")
    common=$(tags_under ".SH OPTIONS")
    help=$(cli --help)
    [ -n "$help" ] || fail "tintora-cli --help printed nothing"
    for option in $(options_of <<<"$help"); do
        described "$option" "$common" || fail "tintora-cli.1 OPTIONS does not describe $option"
    done
    commands=$(sed -n 's/^ *tintora-cli \([a-z][a-z-]*\).*/\1/p' <<<"$help")
    [ -n "$commands" ] || fail "tintora-cli --help lists no commands"
    for command in $commands; do
        grep -qx "\.SS $command" <<<"$page_text" || fail "tintora-cli.1 has no section for '$command'"
        own=$(tags_under ".SS $command")
        for option in $(cli "$command" --help | options_of); do
            described "$option" "$common" || described "$option" "$own" ||
                fail "tintora-cli.1 does not describe $command's $option"
        done
    done
fi

# The desktop program answers --help and --version without a display, and its page
# describes every option of its help under OPTIONS and every argument under ARGUMENTS.
desktop() {
    (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME=$home \
        XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config "$usr/bin/tintora" "$@")
}
desktop_version=$(desktop --version) || fail "tintora --version failed without a display"
[ "$desktop_version" = "tintora ${expected_version#tintora-cli }" ] ||
    fail "tintora --version says '$desktop_version'"
if [ -f "$work/tintora.1" ]; then
    page_text=$(sed 's/\\-/-/g' "$work/tintora.1")
    help=$(desktop --help) || fail "tintora --help failed without a display"
    options=$(tags_under ".SH OPTIONS")
    arguments=$(tags_under ".SH ARGUMENTS")
    [ -n "$(options_of <<<"$help")" ] || fail "tintora --help lists no options"
    for option in $(options_of <<<"$help"); do
        described "$option" "$options" || fail "tintora.1 OPTIONS does not describe $option"
    done
    # The "Arguments:" part of the help: one argument a line, its name first.
    for argument in $(sed -n '/^Arguments:/,$ s/^  \([^ ]*\).*/\1/p' <<<"$help"); do
        described "$argument" "$arguments" || fail "tintora.1 ARGUMENTS does not describe $argument"
        grep -q -- "$argument" <<<"$(sed -n '/^\.SH SYNOPSIS/,/^\.SH DESCRIPTION/p' <<<"$page_text")" ||
            fail "tintora.1 SYNOPSIS lacks $argument"
    done
    (desktop --no-such-option >/dev/null 2>&1)
    [ $? -eq 1 ] || fail "tintora --no-such-option does not end with status 1"
fi

# --- The package's dependencies ------------------------------------------------------
# dpkg-shlibdeps names the packages of the libraries the programs link; one named by
# hand as well would stand in the package's Depends twice.
by_hand=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
mapfile -t libraries < <(ldd "$usr/bin/tintora" "$usr/bin/tintora-cli" |
    awk '$2 == "=>" && $3 ~ /^\// { print $3 }' | sort -u | xargs -r readlink -f)
linked=$(dpkg -S "${libraries[@]}" 2>/dev/null | cut -d: -f1 | sort -u)
for package in ${by_hand//,/ }; do
    grep -qx "${package%%(*}" <<<"$linked" &&
        fail "the package depends on $package by hand, which dpkg-shlibdeps adds too"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installed layout failed"
    exit 1
fi
echo "installed layout: all checks passed"
