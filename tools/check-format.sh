#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, when C++ files are not laid out as .clang-format says. The layout was
# settled with Debian 12's clang-format 14; another version may lay some lines out otherwise,
# so the check names the one it ran.
set -euo pipefail
cd "$(dirname "$0")/.."
clang-format --version
unformatted=()
while IFS= read -r file; do
  clang-format --dry-run --Werror "$file" > /dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not laid out as .clang-format says (clang-format -i fixes them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
