#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Merges the viewer's MIME types into a copy of the system's database and
# checks that the database is built without a complaint, that every type the
# desktop entry names is defined, and that each file name pattern belongs to
# the viewer's types alone, so that no type of the system is taken over.
# Usage: check-mime.sh <mime-xml> <desktop-entry> <scratch-dir>
set -euo pipefail
xml=$1 desktop=$2 scratch=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch" && mkdir -p "$scratch/mime/packages"
cp /usr/share/mime/packages/*.xml "$xml" "$scratch/mime/packages/"
complaints=$(XDG_DATA_HOME="$scratch" XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" 2>&1)
[[ -z $complaints ]] || fail "update-mime-database: $complaints"

ours=$(grep -o '<mime-type type="[^"]*"' "$xml" | cut -d'"' -f2)
named=$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d')
[[ -n $named ]] || fail "the desktop entry names no MIME type"
for type in $named; do
    grep -qx "$type" "$scratch/mime/types" || fail "$type is not defined"
    grep -qx "$type" <<<"$ours" || fail "$type is not one of the viewer's types"
done
for pattern in $(grep -o '<glob pattern="[^"]*"' "$xml" | cut -d'"' -f2); do
    owners=$(awk -F: -v p="$pattern" '$3 == p { print $2 }' "$scratch/mime/globs2" | sort -u)
    [[ -n $owners ]] || fail "no type has $pattern"
    ! grep -vx -F "$ours" <<<"$owners" || fail "$pattern belongs to the types above too"
    echo "$pattern: $owners"
done
