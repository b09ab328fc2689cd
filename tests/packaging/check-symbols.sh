#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zelmorra Corp
# SPDX-License-Identifier: MIT

# Checks that shared libraries export their public interface and nothing
# else: the function, variable or class that each exported symbol belongs to
# (its vtable, type information and thunks counted with the class) must be
# exactly the names given.
# Usage: check-symbols.sh "<public names>" <library>...
set -euo pipefail
expected=$1 && shift
for library; do
    nm -D --defined-only "$library" | awk '{ print $3 }'
done | c++filt | grep -Evx '__bss_start|_edata|_end' |
    sed -E 's/^(typeinfo name for|typeinfo for|vtable for|non-virtual thunk to) //; s/[(:].*//' |
    sort -u >exported.txt
# shellcheck disable=SC2086 # one name per word
printf '%s\n' $expected | sort -u | diff - exported.txt
