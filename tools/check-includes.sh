#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an include of the game's own headers breaks the table "Who includes whom" in
# ARCHITECTURE.md, or when the units of one folder (a header with its source) or any
# headers include each other in a circle.
set -euo pipefail
cd "$(dirname "$0")/.."

# "| `core/` | `platform/`, `core/x.h` | why |" -> "core/ platform/ core/x.h"
table=$(sed -n '/^## Who includes whom/,/^## /p' ARCHITECTURE.md |
  grep '^| `' | cut -d'|' -f2,3 | tr -d '`,|')

# Every "#include "folder/file.h"" of the game's folders as: source, included file.
edges=$(for folder in $(echo "$table" | awk '{print $1}'); do
  grep -H '^#include "' "$folder"*.cpp "$folder"*.h 2>/dev/null |
    sed -E 's/^([^:]*):#include "([^"]*)".*/\1 \2/'
done)

status=0
while read -r file included; do
  own="${file%%/*}/"
  allowed=$(echo "$table" | awk -v f="$own" '$1 == f {$1 = ""; print}')
  ok=$([[ "$included" == "$own"* ]] && echo yes || echo no)
  for entry in $allowed; do
    [[ "$included" == "$entry" || ("$entry" == */ && "$included" == "$entry"*) ]] && ok=yes
  done
  if [[ $ok == no ]]; then
    echo "$file includes $included, which the table does not allow for $own"
    status=1
  fi
done <<<"$edges"

# The drawing layer's internals stay in graphics/; its test hooks are for tests/, tools/ and
# bench/ only. These hold in those three folders too, which the table leaves free.
for rule in "DrawingLayerInternal.h graphics/" "DrawingLayerForTests.h graphics/|tests/|tools/|bench/"; do
  read -r header allowed <<<"$rule"
  while IFS=: read -r file _; do
    [[ -z "$file" || "$file" =~ ^($allowed) ]] && continue
    echo "$file includes graphics/$header, which is for ${allowed//|/, } only"
    status=1
  done < <(git grep -l "^#include \"graphics/$header\"" -- '*.cpp' '*.h' || true)
done

unit() { sed -E 's/\.(cpp|h)$//'; }
within_folder=$(echo "$edges" | awk '{split($1, a, "/"); split($2, b, "/"); if (a[1] == b[1]) print}')
headers=$(echo "$edges" | awk '$1 ~ /\.h$/')
for graph in "$within_folder" "$headers"; do
  if ! paste -d' ' <(echo "$graph" | awk '{print $1}' | unit) <(echo "$graph" | awk '{print $2}' | unit) |
    awk '$1 != $2' | tsort >/dev/null; then
    status=1
  fi
done
exit $status
