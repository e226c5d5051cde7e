#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and checks it: its fields, its contents (the installed files under
# /usr and nothing else: no simulator, no build tools), dependencies from the libraries, a
# stripped game that its desktop entry starts and that carries every protection the toolchain
# offers, a changelog with the releases of CHANGELOG.md, and lintian's verdict at its most
# pedantic.
# Usage: check-deb.sh BUILD_DIR SOURCE_DIR "EXPECTED FILES" COMPILER
set -euo pipefail
for tool in cpack dpkg-deb dpkg-parsechangelog lintian file gzip hardening-check readelf; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
done
build=$1 source=$2 expected=$3 compiler=$4
here=$(dirname "$0")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The tags that lintian may still show, each with the reason it stays. Errors and warnings may
# never stay.
declare -A allowedTags=()

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)

[[ $(dpkg-deb -f "$deb" Package) == skirmora ]]
[[ $(dpkg-deb -f "$deb" Section) == games ]]
depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 renamed some libraries for the 64-bit time_t transition (libqt6core6t64).
for library in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libstdc++6; do
    [[ "$depends" =~ (^|, )"$library"(t64)?" " ]] ||
        { echo "Depends lacks $library: $depends"; exit 1; }
done
[[ $(dpkg-deb -f "$deb" Recommends) == qt6-wayland ]] ||
    { echo "Recommends is not qt6-wayland: $(dpkg-deb -f "$deb" Recommends)"; exit 1; }

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub("^\\./usr/", "", $6); print $6 }' |
    LC_ALL=C sort | tr '\n' ' ')
if [[ "${files% }" != "$expected" ]]; then
    printf 'package contents differ\nexpected: %s\nactual:   %s\n' "$expected" "${files% }"
    exit 1
fi

root=$out/root
dpkg-deb -x "$deb" "$root"
file -b "$root/usr/games/skirmora" | grep -q ', stripped' ||
    { echo "the game is not stripped: $(file -b "$root/usr/games/skirmora")"; exit 1; }
bash "$here/check-desktop-exec.sh" "$root" "$root/usr/share/applications/org.skirmora.Skirmora.desktop" \
    /usr/games/skirmora

# Every protection that hardening-check finds wanting is a fault, except where the toolchain
# cannot give it: stack clash protection leaves no trace in a program whose stack frames are all
# small ("unknown"); control-flow protection marks a program only when every object in it is
# marked, the C library's start files among them, which Debian's are not (as of Debian 12 and
# testing); and branch protection is arm64's, which other processors' compilers do not offer.
start_files="$("$compiler" -print-file-name=Scrt1.o)"
hardening-check "$root/usr/games/skirmora" >"$out/hardening" || true
cat "$out/hardening"
while IFS=: read -r protection verdict; do
    protection="${protection# }" verdict="${verdict# }"
    case "$protection/$verdict" in
        */yes*) ;;
        "Stack clash protection/unknown"*) ;;
        "Control flow integrity/no"*)
            ! readelf -n "$start_files" | grep -q 'IBT' ||
                { echo "the game lacks control-flow protection the toolchain offers"; exit 1; }
            ;;
        "Branch Protection/no"*)
            ! "$compiler" -mbranch-protection=standard -x c++ -E - </dev/null >/dev/null 2>&1 ||
                { echo "the game lacks branch protection the toolchain offers"; exit 1; }
            ;;
        *) echo "the game lacks a protection: $protection: $verdict"; exit 1 ;;
    esac
done < <(tail -n +2 "$out/hardening")

# The package's changelog, read by dpkg's own parser, has the releases of CHANGELOG.md in the
# same order, each with its date.
gzip -dc "$root/usr/share/doc/skirmora/changelog.gz" >"$out/changelog"
packaged=$(dpkg-parsechangelog -l "$out/changelog" --all --format rfc822 |
    awk '/^Version:/ { v = $2 } /^Date:/ { print v, $3, $4, $5 }' | tr '\n' ';')
expectedReleases=$(sed -n 's/^## \([0-9.]*\) - \(....\)-\(..\)-\(..\)$/\1 \4 \3 \2/p' \
    "$source/CHANGELOG.md" | LC_ALL=C awk '{
        split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ")
        print $1, $2, months[$3 + 0], $4 }' | tr '\n' ';')
if [[ -z "$expectedReleases" || "$packaged" != "$expectedReleases" ]]; then
    printf 'package changelog differs from CHANGELOG.md\nexpected: %s\nactual:   %s\n' \
        "$expectedReleases" "$packaged"
    exit 1
fi
[[ $(dpkg-deb -f "$deb" Version) == "${expectedReleases%% *}" ]] ||
    { echo "package version $(dpkg-deb -f "$deb" Version) is not the newest release"; exit 1; }

# Status 1 means tags of error severity, which the listing below reports; anything above is
# lintian failing to check at all.
status=0
lintian --pedantic --display-info --display-experimental --tag-display-limit 0 --color never \
    "$deb" >"$out/lintian" 2>&1 || status=$?
if ((status > 1)); then
    cat "$out/lintian"
    echo "lintian failed with status $status"
    exit 1
fi
unexpected=0
while read -r line; do
    severity=${line%%:*} tag=$(awk '{ print $3 }' <<<"$line")
    case "$severity" in
        E | W) unexpected=1 ;;
        I | P | X) [[ -n "${allowedTags[$tag]:-}" ]] || unexpected=1 ;;
        *) continue ;;
    esac
    echo "lintian: $line${allowedTags[$tag]:+ (stays: ${allowedTags[$tag]})}"
done <"$out/lintian"
if ((unexpected)); then
    echo "lintian reports tags that must not stay"
    exit 1
fi
echo "$(basename "$deb"): fields, contents, changelog and lintian as expected"
