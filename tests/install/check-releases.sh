#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that the AppStream metainfo lists the releases of CHANGELOG.md, with the same versions
# and dates in the same order, and that the newest of them is the version being built.
# Usage: check-releases.sh CHANGELOG METAINFO PROJECT_VERSION
set -euo pipefail
changelog=$1 metainfo=$2 version=$3

inChangelog=$(sed -n 's/^## \([0-9][0-9.]*\) - \([0-9-]*\)$/\1 \2/p' "$changelog" | tr '\n' ';')
inMetainfo=$(grep -o '<release [^>]*>' "$metainfo" |
    sed -n 's/.*version="\([^"]*\)".*date="\([^"]*\)".*/\1 \2/p' | tr '\n' ';')
if [[ -z "$inChangelog" || "$inChangelog" != "$inMetainfo" ]]; then
    printf 'releases differ\nCHANGELOG.md: %s\nmetainfo:     %s\n' "$inChangelog" "$inMetainfo"
    exit 1
fi
if [[ "${inChangelog%% *}" != "$version" ]]; then
    echo "the newest release in CHANGELOG.md is ${inChangelog%% *}, the build is $version"
    exit 1
fi
# Every heading that looks like a release must have been read as one.
headings=$(grep -c '^## ' "$changelog")
if [[ $headings != $(tr -cd ';' <<<"$inChangelog" | wc -c) ]]; then
    echo "$changelog: a heading is not of the form '## VERSION - YYYY-MM-DD'"
    exit 1
fi
echo "releases agree: ${inChangelog//;/, }"
