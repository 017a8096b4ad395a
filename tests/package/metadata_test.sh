#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# What a desktop and a software centre read of Tallyfox, checked with the distributions' own validators.
#   metadata_test.sh metainfo METAINFO
#   metadata_test.sh desktop DESKTOP MIMEXML
#   metadata_test.sh manpages PAGE...
#   metadata_test.sh releases NEWS METAINFO VERSION [DEBIANCHANGELOG]
set -euo pipefail
source "$(dirname "$0")/testlib.sh"

checkMetainfo()
{
    need appstreamcli
    appstreamcli validate --no-net "$1" || fail "appstreamcli validate --no-net $1"
}

checkDesktopEntry()
{
    local desktop=$1 mimexml=$2
    need desktop-file-validate
    local problems
    problems=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate $desktop"
    [ -z "$problems" ] || fail "desktop-file-validate: $problems"
    # The entry opens the program's own files, named by the MIME type it installs, and nothing else.
    local declared offered
    declared=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mimexml")
    offered=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' ')
    expectSameWords "MimeType of $desktop" "$declared" "$offered"
    grep -qx 'Exec=tallyfox -f %f' "$desktop" || fail "$desktop does not open a file with -f %f"
    grep -qx "Icon=$(basename "$desktop" .desktop)" "$desktop" || fail "$desktop's icon is not named by its ID"
    grep -q 'pattern="\*\.tfx"' "$mimexml" || fail "$mimexml does not claim *.tfx"
}

checkManPages()
{
    need man
    local page warnings
    for page in "$@"; do
        # As lintian reads a page: every warning of man and groff counts.
        warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man cannot format $page"
        [ -z "$warnings" ] || fail "$page: $warnings"
        grep -q '^\.SH NAME$' "$page" || fail "$page has no NAME section"
        grep -q '@[A-Z_]*@' "$page" && fail "$page has a place left unfilled"
    done
    return 0
}

checkReleases()
{
    local news=$1 metainfo=$2 version=$3 changelog=${4:-}
    local inNews inMetainfo
    inNews=$(sed -n 's/^Tallyfox \([0-9.]*\) (\([0-9-]*\))$/\1 \2/p' "$news")
    inMetainfo=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo")
    [ -n "$inNews" ] || fail "$news names no release"
    [ "$inNews" = "$inMetainfo" ] || fail "releases differ: NEWS [$inNews], metainfo [$inMetainfo]"
    [ "${inNews%% *}" = "$version" ] || fail "the newest release in NEWS is ${inNews%% *}, the program is $version"
    [ -n "$changelog" ] || return 0
    local packaged
    packaged=$(sed -n '1s/^tallyfox (\([^)]*\)).*/\1/p' "$changelog")
    [ "$packaged" = "$version" ] || fail "debian/changelog packages $packaged, the program is $version"
}

case $1 in
metainfo) checkMetainfo "$2" ;;
desktop) checkDesktopEntry "$2" "$3" ;;
manpages) shift && checkManPages "$@" ;;
releases) checkReleases "$2" "$3" "$4" "${5:-}" ;;
*) fail "unknown case $1" ;;
esac
finish
