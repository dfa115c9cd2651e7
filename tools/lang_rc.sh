#!/bin/sh
# Turns a translation file (lang/*.txt: a number, a tab and the text on each line; \n a line
# break, \t a tab, \\ a backslash; # starts a note) into a resource script holding its string
# table, for a resource-only "Lang.dll". Usage: tools/lang_rc.sh lang/en.txt out.rc
set -eu
in=$1
out=$2
tab=$(printf '\t')
{
    printf '// Made by tools/lang_rc.sh from %s: edit that file, not this one.\n' "$(basename "$in")"
    printf '#pragma code_page(65001)\n\nSTRINGTABLE\nBEGIN\n'
    # A protected backslash pair first, so that "\\n" stays a backslash and an n; the resource
    # compiler writes a double quote as two; a line break is CR LF, as the program's own texts.
    sed -e '/^[[:space:]]*#/d' -e '/^[[:space:]]*$/d' -e 's/\r$//' \
        -e 's/\\\\/\x01/g' -e 's/"/""/g' -e 's/\\n/\\r\\n/g' -e 's/\x01/\\\\/g' \
        -e "s/^\([0-9][0-9]*\)${tab}\(.*\)\$/    \1, \"\2\"/" "$in"
    printf 'END\n'
} >"$out.tmp"
mv "$out.tmp" "$out"
