#!/usr/bin/env bash
# Runs the shell completions the build generated for tintora-cli and tintora in the
# shells themselves: bash (registration, commands, options, option values, themes and
# files), fish (the same through its own completer) and zsh (the script loads).
# Every option a command's --help lists must be offered, so the completions cannot
# drift from the parser.
#
#   check-completions.sh COMPLETIONS_DIR TINTORA_CLI
set -uo pipefail

completions=$1
cli=$2
here=$(cd "$(dirname "$0")" && pwd)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
for shell in bash zsh fish; do
    command -v "$shell" >/dev/null 2>&1 ||
        { echo "FAIL: $shell is not installed (scripts/setup-deps.sh installs it)"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/Themes/Blue" "$work/data/Themes/My Theme" "$work/files/sub"
touch "$work/files/a.tna" "$work/files/b.txt"
export HOME=$work/home XDG_DATA_HOME=$work/home/share
cd "$work/files" || exit 1

# The options a help text lists: "  -o <OUT>" and "  -h, --help" lines.
options_of() { grep -oE '^  -[^ ,]+(, -[^ ,]+)*' | tr -d ',' | tr ' ' '\n' | grep . | sort -u; }
commands=$("$cli" --help | sed -n 's/^  tintora-cli \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "tintora-cli --help lists no commands"

# --- bash: each line of expectations is "words...|offered, sorted, comma-separated" ----
bash_offers() { # SCRIPT FUNCTION WORD...: what the completion offers for the last word
    bash -c 'source "$1"; fn=$2; shift 2
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=()
        "$fn"; printf "%s\n" "${COMPREPLY[@]}" | sort | paste -sd,' \
        - "$@"
}
cli_bash=$completions/bash/tintora-cli
registered=$(bash -c 'source "$1"; complete -p tintora-cli' - "$cli_bash")
[ "$registered" = "complete -F _tintora_cli tintora-cli" ] ||
    fail "bash registers '$registered'"
while IFS='|' read -r line expected; do
    read -ra words <<<"$line"
    [ "${words[-1]}" = "''" ] && words[-1]=
    got=$(bash_offers "$cli_bash" _tintora_cli "${words[@]}")
    [ "$got" = "$expected" ] || fail "bash: '$line' offers '$got', not '$expected'"
done <<EOF2
tintora-cli sch|scheme
tintora-cli ''|audit,batch,diff,export,render,report,scheme,themes,variants
tintora-cli audit --level ''|AA,AAA
tintora-cli render --simulate = deu|deuteranopia
tintora-cli scheme --on-error ''|abort,ignore
tintora-cli scheme --format ''|json,tna
tintora-cli report ''|a.tna,sub
tintora-cli diff a.tna ''|a.tna,sub
tintora-cli batch --q|--quiet
$cli scheme --data-dir $work/data ''|Blue,My\ Theme
$cli render --data-dir = $work/data -o x.png B|Blue
EOF2
for command in $commands; do
    want=$("$cli" "$command" --help | options_of | paste -sd,)
    got=$(bash_offers "$cli_bash" _tintora_cli tintora-cli "$command" - | tr , '\n' | sort -u |
        paste -sd,)
    [ "$got" = "$want" ] || fail "bash: $command offers options '$got', its help '$want'"
done
desktop_bash=$completions/bash/tintora
[ "$(bash -c 'source "$1"; complete -p tintora' - "$desktop_bash")" = "complete -F _tintora tintora" ] ||
    fail "bash does not register tintora"
[ "$(bash_offers "$desktop_bash" _tintora tintora '')" = "a.tna,sub" ] ||
    fail "bash: tintora does not offer scheme files"
[ "$(bash_offers "$desktop_bash" _tintora tintora --v)" = "--version" ] ||
    fail "bash: tintora does not offer --version"

# --- fish: its own completer, "complete -C" -----------------------------------------
fish_offers() { # SCRIPT LINE: the candidates, sorted, comma-separated
    PATH=$(dirname "$cli"):$PATH fish -c 'source $argv[1]; complete -C $argv[2]' "$1" "$2" |
        cut -f1 | sort | paste -sd,
}
cli_fish=$completions/fish/tintora-cli.fish
fish -n "$cli_fish" || fail "fish cannot read $cli_fish"
while IFS='|' read -r line expected; do
    got=$(fish_offers "$cli_fish" "$line")
    [ "$got" = "$expected" ] || fail "fish: '$line' offers '$got', not '$expected'"
done <<EOF2
tintora-cli sch|scheme
tintora-cli audit --level |AA,AAA
tintora-cli render --simulate=deu|--simulate=deuteranopia
tintora-cli scheme --data-dir $work/data B|Blue
EOF2
for command in $commands; do
    want=$("$cli" "$command" --help | options_of | grep -- '^--' | paste -sd,)
    got=$(fish_offers "$cli_fish" "tintora-cli $command --" | paste -sd,)
    [ "$got" = "$want" ] || fail "fish: $command offers options '$got', its help '$want'"
done
[ "$(fish_offers "$completions/fish/tintora.fish" "tintora --v")" = "--version" ] ||
    fail "fish: tintora does not offer --version"

# --- zsh: the scripts load, and name every command and option ------------------------
for program in tintora-cli tintora; do
    script=$completions/zsh/_$program
    head -n1 "$script" | grep -qx "#compdef $program" || fail "zsh: _$program is not for $program"
    zsh -n "$script" || fail "zsh cannot read _$program"
    zsh -fc 'autoload -Uz compinit && compinit -u -d "$2/zcompdump" && source "$1"' \
        "$script" "$work" || fail "zsh cannot load _$program"
done
for command in $commands; do
    grep -q "^        $command)" "$completions/zsh/_tintora-cli" || fail "zsh: no $command"
    for option in $("$cli" "$command" --help | options_of); do
        grep -q -- "'$option\|{$option,\|,$option}" "$completions/zsh/_tintora-cli" ||
            fail "zsh: $command lacks $option"
    done
done

# --- zsh: what it offers, through its own completion system in a terminal --------------
zsh_complete() { # DIR LINE: the offers and the line after Tab
    (cd "$1" && PATH=$(dirname "$cli"):$PATH zsh "$here/zsh-complete.zsh" "$completions/zsh" "$2")
}
zsh_offers() { zsh_complete "$1" "$2" | sed -n 's/^offer: //p' | sort -u | paste -sd,; }
while IFS='|' read -r line expected; do
    got=$(zsh_offers "$work/files" "$line")
    [ "$got" = "$expected" ] || fail "zsh: '$line' offers '$got', not '$expected'"
done <<EOF2
tintora-cli sch|scheme
tintora-cli audit --level |AA,AAA
tintora-cli report |a.tna,sub
tintora-cli scheme --from |a.tna,sub
tintora |a.tna,sub
tintora-cli scheme --data-dir $work/data B|Blue
EOF2

# --- Names that are shell code are offered as the words they are, never run ----------
# Theme folders and files may come from a downloaded package; pressing Tab must not run
# what their names hold. Each completion that offers one must hand back the name itself.
hostile='$(cd;echo RAN>PWNED)'
mkdir -p "$work/hostile/data/Themes/$hostile" "$work/hostile/data/Themes/a:b\`echo RAN>PWNED\`" \
    "$work/hostile/files"
touch "$work/hostile/files/$hostile.tna"
hdata=$work/hostile/data
ran() { # whether a name was run since the last look; its traces are cleared
    local traces
    traces=$(find "$work" "$HOME" -name PWNED 2>/dev/null)
    [ -n "$traces" ] && xargs -d '\n' rm -f <<<"$traces"
    [ -n "$traces" ]
}
# bash: the word put on the line, read back as the shell reads it, is the name.
while IFS='|' read -r line name; do
    read -ra words <<<"$line"
    [ "${words[-1]}" = "''" ] && words[-1]=
    got=$(cd "$work/hostile/files" && bash_offers "$cli_bash" _tintora_cli "${words[@]}")
    [[ $line == *report* ]] || got=$(eval "printf '%s' $got")
    [ "$got" = "$name" ] || fail "bash: '$line' offers '$got', not the name '$name'"
done <<EOF2
$cli render --data-dir $hdata \\\$|$hostile
$cli render --data-dir $hdata a|a:b\`echo RAN>PWNED\`
tintora-cli report \$|$hostile.tna
EOF2
ran && fail "bash ran a name it completed"
# zsh: the line after Tab, run, hands the name to the program.
while IFS='|' read -r typed name; do
    line=$(zsh_complete "$work/hostile/files" "$typed" | sed -n 's/^line: //p')
    got=$(zsh -fc 'tintora-cli() { print -r -- "${@[-1]}"; }; eval "$1"' - "$line")
    [ "$got" = "$name" ] || fail "zsh: '$typed' completes to '$line'"
done <<EOF2
tintora-cli render --data-dir $hdata \\\$|$hostile
tintora-cli render --data-dir $hdata a|a:b\`echo RAN>PWNED\`
tintora-cli report \\\$|$hostile.tna
EOF2
ran && fail "zsh ran a name it completed"
# fish: its completer lists the names themselves.
got=$(fish_offers "$cli_fish" "tintora-cli render --data-dir $hdata ")
[ "$got" = "$hostile,a:b\`echo RAN>PWNED\`" ] || fail "fish offers '$got' as themes"
got=$(cd "$work/hostile/files" && fish_offers "$cli_fish" "tintora-cli report ")
[ "$got" = "$hostile.tna" ] || fail "fish offers '$got' as files"
ran && fail "fish ran a name it completed"

if [ "$failures" -ne 0 ]; then
    echo "$failures completion check(s) failed"
    exit 1
fi
echo "completions: all checks passed"
