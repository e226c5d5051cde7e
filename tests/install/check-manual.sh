#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Skirmora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the manual page: man renders it at 80 columns without a warning, and it lists every
# control of the README's controls table, each with its effect.
# Usage: check-manual.sh MANUAL_PAGE README
set -euo pipefail
for tool in man groff; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (Debian packages man-db, groff-base)"; exit 1; }
done
page=$1 readme=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

MANWIDTH=80 man --warnings -l "$page" >"$out/page" 2>"$out/warnings"
if [[ -s "$out/warnings" ]]; then
    cat "$out/warnings"
    echo "man warns about $page"
    exit 1
fi
[[ -s "$out/page" ]] || { echo "$page renders empty"; exit 1; }

# Wide enough that no entry wraps, in plain ASCII; each line with its indentation removed.
LC_ALL=C MANWIDTH=1000 man -l "$page" 2>/dev/null | sed 's/^ *//' >"$out/wide"
trim() {
    local text=$1
    text=${text#"${text%%[![:space:]]*}"}
    printf '%s' "${text%"${text##*[![:space:]]}"}"
}
rows=0
while IFS='|' read -r _ who control effect _; do
    who=$(trim "$who") control=$(trim "${control//\`/}") effect=$(trim "${effect//\`/}")
    [[ "$who" == who || "$who" == ---* ]] && continue
    rows=$((rows + 1))
    grep -qxF -- "$control" "$out/wide" || { echo "the manual lacks the control: $control"; exit 1; }
    grep -qxF -- "$who: $effect." "$out/wide" ||
        { echo "the manual lacks: $who: $effect."; exit 1; }
done < <(awk '/^## /{ section = $0 } section == "## How to play" && /^\|/' "$readme")
((rows > 0)) || { echo "$readme has no controls table"; exit 1; }
echo "$page renders without warnings and lists the $rows controls of $readme"
