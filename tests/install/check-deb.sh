#!/usr/bin/env bash
# Builds the Debian package and checks its fields and its contents: the installed files under
# /usr, nothing else (no simulator, no build tools), and dependencies from the libraries.
# Usage: check-deb.sh BUILD_DIR "EXPECTED FILES"
set -euo pipefail
build=$1 expected=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)

[[ $(dpkg-deb -f "$deb" Package) == skirmora ]]
[[ $(dpkg-deb -f "$deb" Section) == games ]]
depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 renamed some libraries for the 64-bit time_t transition (libqt6core6t64).
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
    [[ "$depends" =~ (^|, )"$library"(t64)?" " ]] ||
        { echo "Depends lacks $library: $depends"; exit 1; }
done

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub("^\\./usr/", "", $6); print $6 }' |
    LC_ALL=C sort | tr '\n' ' ')
if [[ "${files% }" != "$expected" ]]; then
    printf 'package contents differ\nexpected: %s\nactual:   %s\n' "$expected" "${files% }"
    exit 1
fi
echo "$(basename "$deb"): fields and contents as expected"
