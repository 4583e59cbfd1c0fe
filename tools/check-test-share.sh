#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the test code passes 30 % of the repository's C++ lines: tests that restate the
# code are merged or dropped rather than kept. Lines are the non-blank ones of every .cpp and
# .h in git, whole-line // comments left out; tests/ counts against all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files "$@" | grep -E '\.(cpp|h)$' | xargs cat | sed -E 's#^\s*//.*##' | grep -cv '^\s*$'; }
tests=$(count tests)
all=$(count .)
awk -v t="$tests" -v a="$all" 'BEGIN { printf "test code: %d of %d C++ lines (%.2f %%)\n", t, a, 100 * t / a }'
if ((tests * 100 > all * 30)); then
  echo "over the 30 % the team holds to: merge or drop tests that restate the code" >&2
  exit 1
fi
