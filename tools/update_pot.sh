#!/bin/sh
# Remakes po/brimblet.pot, the template of every text a player sees, from the files listed in
# po/POTFILES.in, and brings every po/<lang>.po up to it (msgmerge). Run from anywhere.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=$(grep -v '^#' po/POTFILES.in)
common="--from-code=UTF-8 --no-wrap --sort-by-file"
# shellcheck disable=SC2086
{
    xgettext $common -L C++ --keyword= --keyword=N_ --flag=N_:1:python-brace-format -o "$work/code.pot" \
        $(echo "$files" | grep -E '\.(cpp|h)$')
    xgettext $common -L JavaScript --keyword= --keyword=T --flag=T:1:python-brace-format -o "$work/loader.pot" \
        $(echo "$files" | grep -E '\.js\.in$')
    xgettext $common -L Desktop --keyword= --keyword=GenericName --keyword=Comment --keyword=Keywords \
        -o "$work/desktop.pot" $(echo "$files" | grep -E '\.desktop\.in$')
    xgettext $common -o "$work/metainfo.pot" $(echo "$files" | grep -E '\.metainfo\.xml$')
    python3 tools/extract_texts.py $(echo "$files" | grep -E '\.(ui|html)$') > "$work/designs.pot"
}
# xgettext leaves the charset for the translator to fill in; the sources are all UTF-8.
for part in code loader desktop metainfo designs; do
    [ -f "$work/$part.pot" ] && sed -i 's/charset=CHARSET/charset=UTF-8/' "$work/$part.pot" && echo "$work/$part.pot"
done > "$work/parts"
msgcat --use-first --no-wrap --sort-by-file $(cat "$work/parts") -o "$work/all.pot"
{
    printf '# The texts of Brimblet, the board game, for its translators.\n'
    printf '# Made by tools/update_pot.sh: do not change by hand.\n'
    printf 'msgid ""\nmsgstr ""\n"Project-Id-Version: brimblet\\n"\n"MIME-Version: 1.0\\n"\n'
    printf '"Content-Type: text/plain; charset=UTF-8\\n"\n"Content-Transfer-Encoding: 8bit\\n"\n\n'
    msggrep --no-wrap -v -K -e '^$' "$work/all.pot" | sed '1,/^$/d'
} > po/brimblet.pot
for lang in $(grep -v '^#' po/LINGUAS); do
    [ -f "po/$lang.po" ] && msgmerge --quiet --update --backup=none --no-wrap "po/$lang.po" po/brimblet.pot
done
exit 0
