#!/usr/bin/env zsh
# Types LINE into an interactive zsh and presses Tab at its end, as a user would, with
# the completions of COMPLETIONS_DIR loaded. Prints each candidate the completion
# offered ("offer: WORD") and then the line as completion left it ("line: TEXT").
# Exits 1 when the shell gave no answer in time.
#
#   zsh-complete.zsh COMPLETIONS_DIR LINE
emulate -L zsh
zmodload zsh/zpty || { print -u2 "zsh has no zpty module"; exit 1; }

local home=$(mktemp -d)
export TINTORA_COMPLETIONS=$1 TINTORA_CAPTURE=$home/capture ZDOTDIR=$home
local line=$2

# The shell reports through a file, so nothing it draws on its terminal is parsed.
cat >$home/.zshrc <<'EOF'
PS1='' RPS1=''
unsetopt zle_bracketed_paste
fpath=($TINTORA_COMPLETIONS $fpath)
autoload -Uz compinit && compinit -u -d $ZDOTDIR/zcompdump
zstyle ':completion:*' insert-tab false
# Every candidate a completion function adds is written down before it is added.
compadd() {
    if [[ ${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]]; then
        builtin compadd "$@"
        return
    fi
    local -a hits
    builtin compadd -A hits "$@"
    (( $#hits )) && print -rl -- "offer: "${^hits} >>$TINTORA_CAPTURE
    builtin compadd "$@"
}
capture-completion() {
    zle complete-word
    print -r -- "line: $BUFFER" >>$TINTORA_CAPTURE
    print -r -- done >>$TINTORA_CAPTURE
    BUFFER=
}
zle -N capture-completion
bindkey '^T' capture-completion
EOF

zpty completing zsh -i
# Set only now: the shell zpty forks would run it too, as it ends.
trap 'rm -rf -- $home' EXIT
zpty -w -n completing "$line"$'\x14'
local -i tries
for ((tries = 0; tries < 600; tries++)); do
    [[ -f $TINTORA_CAPTURE ]] && grep -qx done $TINTORA_CAPTURE && break
    sleep 0.05
done
zpty -d completing
[[ -f $TINTORA_CAPTURE ]] && grep -qx done $TINTORA_CAPTURE || {
    print -u2 "zsh gave no completion for: $line"
    exit 1
}
grep -vx done $TINTORA_CAPTURE
