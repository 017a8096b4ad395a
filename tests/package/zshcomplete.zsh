# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Prints, one a line, what zsh's completion offers for a command line, run in an interactive zsh of its
# own on a pseudo-terminal.
#   zsh -f zshcomplete.zsh COMPLETION_FOLDER LINE OUT
zmodload zsh/zpty
local folder=$1 line=$2 out=$3
zpty shell zsh -f -i
zpty -w shell "fpath=(${(q)folder} \$fpath); autoload -Uz compinit; compinit -u -D"
zpty -w shell "OUT=${(q)out}"
# A widget that records every word the completion adds, then says it is done.
zpty -w shell 'record() { compadd() { local -a hits; builtin compadd -O hits "$@"; print -rl -- $hits >>$OUT; builtin compadd "$@" }; _main_complete; unfunction compadd; print -r -- "--done--" >>$OUT }'
zpty -w shell 'zle -C record complete-word record; bindkey "^T" record'
zpty -w -n shell "$line"$'\x14'
local i
for i in {1..200}; do
    [[ -f $out ]] && grep -qx -- '--done--' $out && break
    sleep 0.05
done
zpty -d shell
grep -vx -- '--done--' $out
